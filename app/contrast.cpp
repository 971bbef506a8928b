#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor mixed(const QColor& a, const QColor& b, double amount) {
    const auto channel = [&](float x, float y) { return x + (y - x) * float(amount); };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()),
                            channel(a.blueF(), b.blueF()));
}

QColor over(const QColor& colour, QColor background) {
    background.setAlpha(255);
    return mixed(background, colour, colour.alphaF());
}

double opaqueRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

double ratio(const QColor& colour, const QColor& background) {
    return opaqueRatio(over(colour, background), background);
}

QColor readableOn(const QColor& wanted, const QColor& background, double minimum) {
    const QColor start = over(wanted, background);
    if (opaqueRatio(start, background) >= minimum)
        return start;
    const QColor black(Qt::black), white(Qt::white);
    const QColor toward =
        opaqueRatio(black, background) >= opaqueRatio(white, background) ? black : white;
    // Steps of a twentieth keep the hue as far as the contrast allows.
    for (int step = 1; step < 20; ++step) {
        const QColor c = mixed(start, toward, step / 20.0);
        if (opaqueRatio(c, background) >= minimum)
            return c;
    }
    return toward;
}

} // namespace contrast
