#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Pictures stored ready to show. A GIF or PNG a window shows as it opens is also embedded as the
// pixels a pixmap holds, under ":/ready" plus its own path, so showing it decodes nothing and
// needs no image-format plugin. tools/assetgen writes the ready copies from the pictures they
// stand for.
namespace readypicture {

// A file holds a 16-byte header, "RPIC" then width, height and QImage::Format as 32-bit
// little-endian numbers, and the rows of 32-bit pixels (little-endian words), top row first.
inline constexpr char Magic[4] = {'R', 'P', 'I', 'C'};
inline constexpr int HeaderSize = 16;

// The ready copy of the picture at `path` (":/chrome/close.gif"), or the picture decoded from
// `path` itself where there is none.
QPixmap pixmap(const QString& path);

// The ready copy alone: a null image where there is none or it is damaged.
QImage readyImage(const QString& path);

// Where the ready copy of `path` lives.
QString readyPath(const QString& path);

} // namespace readypicture
