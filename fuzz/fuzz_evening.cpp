// Treats arbitrary bytes as a saved evening and checks what the reader promises: a refusal
// leaves the defaults, an accepted evening is one the file can hold with no drink or reading
// older than the kept span, and writing it out reads back as the same evening, byte for byte the
// second time. The evening is then checked and answered as the window would: whatever it
// holds, the curves stay finite, ordered and never below 0.
#include "forecast/eveningcheck.h"
#include "forecast/eveningfile.h"
#include "forecast/forecastexport.h"
#include "forecast/forecastinput.h"
#include "forecast/forecastsummary.h"
#include "forecast/reportpage.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// Fixed, so that a crash found once replays the same way; the seeds' rows lie around it.
const QDateTime& now() {
    static const QDateTime at(QDate(2026, 12, 8), QTime(22, 0), QTimeZone::utc());
    return at;
}

// A row without a date is never too old; one without a proper time counts from its day's end.
template <typename Entry> bool recentEnough(const Entry& entry) {
    if (!entry.date.isValid())
        return true;
    const std::optional<QTime> time = forecastinput::clockTime(entry.time).value;
    const QDateTime start = time ? QDateTime(entry.date, *time, QTimeZone::utc())
                                 : QDateTime(entry.date.addDays(1), QTime(0, 0), QTimeZone::utc());
    return start.secsTo(now()) <= EveningKeepSeconds;
}

void answer(const Evening& evening) {
    const EveningCheck check = checkEvening(evening, now());
    forecastsummary::shown(evening, check, now());
    if (!check.ok())
        return;
    const Forecast& f = *check.forecast;
    for (qsizetype i = 0; i < f.pointCount(); ++i) {
        const double fast = f.fastCurve()[i], central = f.centralCurve()[i],
                     slow = f.slowCurve()[i];
        if (!(fast >= 0 && std::isfinite(slow) && fast <= central + 1e-9 && central <= slow + 1e-9))
            std::abort();
    }
    reportPage(evening, check, now());
    forecastexport::csv(f, check.readings());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const EveningRead read = readEvening(bytes, now());
    if (read.refusal) {
        if (read.evening != Evening{})
            std::abort();
        return 0;
    }
    if (eveningProblem(read.evening, now()))
        std::abort();
    for (const DrinkEntry& drink : read.evening.drinks)
        if (!recentEnough(drink))
            std::abort();
    for (const MeasurementEntry& reading : read.evening.measurements)
        if (!recentEnough(reading))
            std::abort();

    const QByteArray written = toJson(read.evening);
    const EveningRead back = readEvening(written, now());
    if (back.refusal || back.evening != read.evening || toJson(back.evening) != written)
        std::abort();
    answer(read.evening);
    return 0;
}
