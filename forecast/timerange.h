#pragma once

#include <QDateTime>

// A moment with its band: `earliest` from the fast-elimination curve, `latest` from the slow one.
struct TimeRange {
    QDateTime central;
    QDateTime earliest;
    QDateTime latest;
};
