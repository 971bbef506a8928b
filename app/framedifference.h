#pragma once

#include <QRect>

class QImage;

namespace framedifference {

// The smallest rectangle, in the images' pixels, that holds every pixel where the two pictures
// differ; empty when they are the same. Pictures of different sizes differ everywhere either
// covers.
QRect changedRect(const QImage& before, const QImage& after);

} // namespace framedifference
