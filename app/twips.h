#pragma once

#include <QRect>

#include <cmath>

// Layouts are given in twips, 15 to a logical pixel.
namespace twips {
constexpr int PerPixel = 15;

inline int toPixels(int t) {
    return static_cast<int>(std::lround(t / double(PerPixel)));
}

inline QRect toPixels(int left, int top, int width, int height) {
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline int fromPixels(int px) {
    return px * PerPixel;
}
} // namespace twips
