#include "drinklist.h"

#include <QStringView>

#include <array>

namespace drinks {
namespace {

struct Drink {
    const char16_t* text;
    int strength; // percent
};

// The strength is kept beside the text rather than read out of it, so a mistyped text cannot
// silently change a strength.
constexpr std::array<Drink, 16> List = {{
    {u"Пиво 4%", 4},
    {u"Пиво 5%", 5},
    {u"Пиво 6%", 6},
    {u"Пиво 8%", 8},
    {u"Джин-тоник 9%", 9},
    {u"Вино столовое 11%", 11},
    {u"Вермут 16%", 16},
    {u"Портвейн 18%", 18},
    {u"Наливка 20%", 20},
    {u"Настойка 24%", 24},
    {u"Ликёр 30%", 30},
    {u"Ром 38%", 38},
    {u"Водка 40%", 40},
    {u"Коньяк 42%", 42},
    {u"Виски 43%", 43},
    {u"Джин 47%", 47},
}};

} // namespace

QStringList items() {
    QStringList texts;
    texts.reserve(qsizetype(List.size()));
    for (const Drink& drink : List)
        texts.append(QStringView(drink.text).toString());
    return texts;
}

std::optional<int> strength(const QString& itemText) {
    for (const Drink& drink : List) {
        if (itemText == QStringView(drink.text))
            return drink.strength;
    }
    return std::nullopt;
}

std::optional<QString> strengthText(const QString& itemText) {
    if (const std::optional<int> percent = strength(itemText))
        return QString::number(*percent);
    return std::nullopt;
}

} // namespace drinks
