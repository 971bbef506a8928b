// The pictures a window shows as it opens, stored ready to show (see app/readypicture.h), and
// assets/ready.qrc that embeds them. Works from the committed GIF and PNG files, so it runs
// only when named, once they are written: promille_assetgen assets ready
#include "generator.h"

#include "app/readypicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>
#include <QTextStream>
#include <QtEndian>

namespace {

struct Picture {
    const char* resource; // the path the windows load it by
    const char* file;     // within assets/
};

const Picture pictures[] = {
    {":/chrome/titlestrip.gif", "chrome/titlestrip.gif"},
    {":/chrome/icon.gif", "chrome/icon.gif"},
    {":/chrome/close.gif", "chrome/close.gif"},
    {":/chrome/minimize.gif", "chrome/minimize.gif"},
    {":/chrome/hand.png", "chrome/hand.png"},
    {":/chrome/promille.png", "chrome/promille.png"},
    {":/chrome/stilllife-main.gif", "stilllife/stilllife-main.gif"},
    {":/chrome/stilllife-about.gif", "stilllife/stilllife-about.gif"},
};

bool complain(const QString& what) {
    QTextStream(stderr) << what << '\n';
    return false;
}

bool write(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    return complain(QStringLiteral("cannot write ") + path);
}

void append(QByteArray& bytes, quint32 value) {
    char word[4];
    qToLittleEndian(value, word);
    bytes.append(word, 4);
}

// The pixels as the program's pixmap holds them: what converting the decoded picture for the
// screen gives.
QByteArray ready(const QImage& decoded) {
    QImage image = QPixmap::fromImage(decoded).toImage();
    if (image.format() != QImage::Format_RGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QByteArray bytes(readypicture::Magic, sizeof readypicture::Magic);
    append(bytes, quint32(image.width()));
    append(bytes, quint32(image.height()));
    append(bytes, quint32(image.format()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            append(bytes, row[x]);
    }
    return bytes;
}

} // namespace

static Generator readyPictures(
    "ready",
    [](const QDir& assets) {
        bool ok = true;
        QString qrc;
        QTextStream out(&qrc);
        out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
            << "    <!-- Written by tools/assetgen (promille_assetgen assets ready). -->\n"
            << "    <qresource prefix=\"/ready\">\n";
        for (const Picture& p : pictures) {
            const QString resource = QString::fromLatin1(p.resource).mid(2);
            const QString file = QStringLiteral("ready/") + resource + QStringLiteral(".pixels");
            const QImage decoded(assets.filePath(QString::fromLatin1(p.file)));
            if (decoded.isNull()) {
                ok = complain(QStringLiteral("cannot read ") + QString::fromLatin1(p.file));
                continue;
            }
            if (!assets.mkpath(QFileInfo(file).path()) ||
                !write(assets.filePath(file), ready(decoded))) {
                ok = false;
                continue;
            }
            // Uncompressed, so the program shows the pixels where they lie.
            out << "        <file alias=\"" << resource << "\" compression-algorithm=\"none\">"
                << file << "</file>\n";
        }
        out << "    </qresource>\n</RCC>\n";
        return write(assets.filePath(QStringLiteral("ready.qrc")), qrc.toUtf8()) && ok;
    },
    Generator::Run::WhenNamed);
