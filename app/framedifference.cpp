#include "framedifference.h"

#include <QImage>

#include <cstring>

namespace framedifference {

namespace {

// Both pictures as 32-bit pixels of one format, so a pixel compares as one word. Premultiplied,
// so that fully transparent pixels, whatever colour they keep, count as the same.
QImage comparable(const QImage& image, QImage::Format format) {
    return image.format() == format ? image : image.convertToFormat(format);
}

QImage::Format commonFormat(const QImage& a, const QImage& b) {
    // Opaque pictures of the same 32-bit format already compare word by word.
    if (a.format() == b.format() &&
        (a.format() == QImage::Format_RGB32 || a.format() == QImage::Format_ARGB32_Premultiplied))
        return a.format();
    return QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QRect changedRect(const QImage& before, const QImage& after) {
    if (before.size() != after.size())
        return before.rect() | after.rect();
    if (before.isNull())
        return {};
    const QImage::Format format = commonFormat(before, after);
    const QImage a = comparable(before, format);
    const QImage b = comparable(after, format);
    const int width = a.width();
    int left = width, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const quint32*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const quint32*>(b.constScanLine(y));
        if (std::memcmp(rowA, rowB, width * sizeof(quint32)) == 0)
            continue;
        int first = 0;
        while (rowA[first] == rowB[first])
            ++first;
        int last = width - 1;
        while (rowA[last] == rowB[last])
            --last;
        left = qMin(left, first);
        right = qMax(right, last);
        if (top < 0)
            top = y;
        bottom = y;
    }
    if (top < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace framedifference
