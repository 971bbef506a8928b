#include "intoxicationclass.h"

#include <array>

namespace {
struct Range {
    double low;
    double high;
    const char16_t* text;
    int picture;
};

constexpr std::array<Range, 7> Ranges{{
    {0, 0, u"Алкоголь отсутствует", 107},
    {0.01, 0.34, u"Эндогенный уровень - естественное присутствие алкоголя в организме", 101},
    {0.35, 0.99, u"Превышение эндогенного уровня", 102},
    {1, 2.09, u"Легкая степень опьянения", 103},
    {2.1, 3.09, u"Средняя степень опьянения", 104},
    {3.1, 4.09, u"Тяжелая степень опьянения", 105},
    {4.1, 5000000, u"Алкогольная кома", 106},
}};
} // namespace

std::optional<IntoxicationClass> IntoxicationClass::classify(double promille) {
    for (const Range& r : Ranges)
        if (promille >= r.low && promille <= r.high)
            return IntoxicationClass{QString::fromUtf16(r.text), r.picture};
    return std::nullopt;
}

DrivingVerdict DrivingVerdict::of(double promille) {
    if (promille > 0)
        return {QStringLiteral("Не допустимо вести автомобиль"), true};
    return {QStringLiteral("Вести автомобиль можно"), false};
}
