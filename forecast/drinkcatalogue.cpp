#include "drinkcatalogue.h"

#include "forecastinput.h"

#include "calc/numbertext.h"

#include <algorithm>

namespace drinkcatalogue {

namespace {

struct Listed {
    int group; // into groups()
    const char16_t* name;
    const char16_t* strength;
    const char16_t* serving;
};

// Typical strengths and the usual glass. The calculator's 16 keep their names and strengths
// ("Водка 40%") and are served as their kind is; which of its drinks a strength stands for
// is the calculator's own list, not this one.
constexpr Listed Table[] = {
    {0, u"Пиво светлое, 0,5 л", u"4,5", u"500"},
    {0, u"Пиво светлое, 0,33 л", u"4,5", u"330"},
    {0, u"Пиво тёмное, 0,5 л", u"5", u"500"},
    {0, u"Пиво крепкое, 0,5 л", u"8", u"500"},
    {0, u"Пиво безалкогольное, 0,5 л", u"0,5", u"500"},
    {0, u"Пиво 4%", u"4", u"500"},
    {0, u"Пиво 5%", u"5", u"500"},
    {0, u"Пиво 6%", u"6", u"500"},
    {0, u"Пиво 8%", u"8", u"500"},
    {1, u"Вино сухое, бокал 150 мл", u"12", u"150"},
    {1, u"Вино полусладкое, бокал 150 мл", u"11", u"150"},
    {1, u"Вино столовое 11%", u"11", u"150"},
    {1, u"Вермут 16%", u"16", u"100"},
    {1, u"Портвейн 18%", u"18", u"100"},
    {2, u"Шампанское, бокал 125 мл", u"11", u"125"},
    {2, u"Шампанское, бутылка 0,75 л", u"11", u"750"},
    {3, u"Водка, рюмка 50 мл", u"40", u"50"},
    {3, u"Коньяк, рюмка 50 мл", u"40", u"50"},
    {3, u"Виски, порция 40 мл", u"40", u"40"},
    {3, u"Текила, шот 40 мл", u"38", u"40"},
    {3, u"Наливка 20%", u"20", u"50"},
    {3, u"Настойка 24%", u"24", u"50"},
    {3, u"Ликёр 30%", u"30", u"40"},
    {3, u"Ром 38%", u"38", u"50"},
    {3, u"Водка 40%", u"40", u"50"},
    {3, u"Коньяк 42%", u"42", u"50"},
    {3, u"Виски 43%", u"43", u"40"},
    {3, u"Джин 47%", u"47", u"40"},
    {4, u"Джин-тоник 9%", u"9", u"330"},
    {4, u"Мохито, стакан 300 мл", u"7", u"300"},
    {4, u"Отвёртка, стакан 250 мл", u"8", u"250"},
    {4, u"Коктейль в банке, 0,5 л", u"8", u"500"},
};

QString minuteOf(const QDateTime& now) {
    return now.time().toString(QStringLiteral("HH:mm"));
}

bool readable(const DrinkEntry& drink) {
    return forecastinput::drinkGrams(drink.grams).value &&
           forecastinput::strength(drink.strength).value;
}

bool sameDrink(const DrinkEntry& a, const DrinkEntry& b) {
    return a.drink == b.drink && a.grams.trimmed() == b.grams.trimmed() &&
           a.strength.trimmed() == b.strength.trimmed();
}

DrinkEntry served(const CatalogueDrink& listed, const QDateTime& now) {
    DrinkEntry entry;
    entry.date = now.date();
    entry.time = minuteOf(now);
    entry.drink = listed.name;
    entry.grams = listed.serving;
    entry.strength = listed.strength;
    return entry;
}

} // namespace

const QStringList& groups() {
    static const QStringList names = {QStringLiteral("пиво"), QStringLiteral("вино"),
                                      QStringLiteral("игристое"), QStringLiteral("крепкое"),
                                      QStringLiteral("коктейли")};
    return names;
}

const QList<CatalogueDrink>& all() {
    static const QList<CatalogueDrink> drinks = [] {
        QList<CatalogueDrink> out;
        for (const Listed& d : Table)
            out.append({groups().at(d.group), QString::fromUtf16(d.name),
                        QString::fromUtf16(d.strength), QString::fromUtf16(d.serving)});
        return out;
    }();
    return drinks;
}

QString ownDrink() {
    return QStringLiteral("свой");
}

const CatalogueDrink* find(const QString& name) {
    const QList<CatalogueDrink>& list = all();
    const auto it = std::find_if(list.cbegin(), list.cend(),
                                 [&](const CatalogueDrink& d) { return d.name == name; });
    return it == list.cend() ? nullptr : &*it;
}

QString strengthOf(const QString& name) {
    const CatalogueDrink* listed = find(name);
    return listed ? listed->strength : QString();
}

DrinkEntry newDrink(const QList<DrinkEntry>& evening, const QDateTime& now) {
    if (!evening.isEmpty()) {
        const DrinkEntry& last = evening.constLast();
        if (const CatalogueDrink* listed = find(last.drink))
            return served(*listed, now);
        if (readable(last)) {
            DrinkEntry entry = again(last, now);
            entry.duration = DrinkEntry().duration;
            return entry;
        }
    }
    return served(all().constFirst(), now);
}

DrinkEntry again(const DrinkEntry& drink, const QDateTime& now) {
    DrinkEntry entry = drink;
    entry.date = now.date();
    entry.time = minuteOf(now);
    return entry;
}

QList<DrinkEntry> favourites(const QList<DrinkEntry>& evening, int count) {
    struct Counted {
        DrinkEntry last;
        int times = 0;
    };
    QList<Counted> drunk; // in the order first drunk
    for (const DrinkEntry& d : evening) {
        if (!readable(d))
            continue;
        const auto it = std::find_if(drunk.begin(), drunk.end(),
                                     [&](const Counted& c) { return sameDrink(c.last, d); });
        if (it == drunk.end()) {
            drunk.append({d, 1});
        } else {
            it->last = d;
            ++it->times;
        }
    }
    std::stable_sort(drunk.begin(), drunk.end(),
                     [](const Counted& a, const Counted& b) { return a.times > b.times; });

    QList<DrinkEntry> out;
    for (const Counted& c : drunk)
        if (out.size() < count)
            out.append(c.last);
    for (const QString& group : groups()) {
        if (out.size() >= count)
            break;
        const CatalogueDrink& first =
            *std::find_if(all().cbegin(), all().cend(),
                          [&](const CatalogueDrink& d) { return d.group == group; });
        const DrinkEntry entry = served(first, QDateTime());
        if (std::none_of(out.cbegin(), out.cend(),
                         [&](const DrinkEntry& d) { return sameDrink(d, entry); }))
            out.append(entry);
    }
    return out;
}

QString caption(const DrinkEntry& drink) {
    const CatalogueDrink* listed = find(drink.drink);
    if (listed && drink.grams.trimmed() == listed->serving &&
        drink.strength.trimmed() == listed->strength)
        return drink.drink;
    const std::optional<double> ml = forecastinput::drinkGrams(drink.grams).value;
    const QString amount =
        ml ? numbertext::decimalText(*ml) + QStringLiteral(" мл") : drink.grams.trimmed();
    return drink.drink + QStringLiteral(": ") + amount + QStringLiteral(", ") +
           drink.strength.trimmed() + QStringLiteral(" %");
}

} // namespace drinkcatalogue
