#include "readypicture.h"

#include <QResource>
#include <QSysInfo>
#include <QtEndian>

#include <cstring>

namespace readypicture {

namespace {

quint32 number(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

bool isStoredFormat(quint32 format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QString readyPath(const QString& path) {
    return QStringLiteral(":/ready") + path.mid(1);
}

QImage readyImage(const QString& path) {
    const QResource resource(readyPath(path));
    if (!resource.isValid())
        return {};
    // Stored uncompressed, the pixels are shown straight from the program's own memory.
    const bool inPlace = resource.compressionAlgorithm() == QResource::NoCompression;
    const QByteArray unpacked = inPlace ? QByteArray() : resource.uncompressedData();
    const char* bytes = inPlace ? reinterpret_cast<const char*>(resource.data()) : unpacked.data();
    const qint64 size = inPlace ? resource.size() : unpacked.size();
    if (!bytes || size < HeaderSize || std::memcmp(bytes, Magic, sizeof Magic) != 0)
        return {};
    const quint32 width = number(bytes + 4);
    const quint32 height = number(bytes + 8);
    const quint32 format = number(bytes + 12);
    const qint64 rowBytes = qint64(width) * 4;
    if (!isStoredFormat(format) || width == 0 || height == 0 || width > 0x4000 || height > 0x4000 ||
        size != HeaderSize + rowBytes * height)
        return {};

    const uchar* pixels = reinterpret_cast<const uchar*>(bytes) + HeaderSize;
    const auto qformat = QImage::Format(format);
    if (inPlace && QSysInfo::ByteOrder == QSysInfo::LittleEndian &&
        reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0)
        return QImage(pixels, int(width), int(height), rowBytes, qformat);

    QImage image(int(width), int(height), qformat);
    if (image.isNull())
        return {};
    for (int y = 0; y < int(height); ++y) {
        const uchar* from = pixels + rowBytes * y;
        auto* to = reinterpret_cast<quint32*>(image.scanLine(y));
        for (quint32 x = 0; x < width; ++x)
            to[x] = qFromLittleEndian<quint32>(from + x * 4);
    }
    return image;
}

QPixmap pixmap(const QString& path) {
    const QImage ready = readyImage(path);
    return ready.isNull() ? QPixmap(path) : QPixmap::fromImage(ready);
}

} // namespace readypicture
