#include "drinkcatalogue.h"

#include "table/drinklist.h"

namespace drinkcatalogue {

const QList<CatalogueDrink>& all() {
    // Real drinks only: the periodic table's cells are jokes ("Бордо 3%") and non-drinks, and
    // a glass of wine taken at 3% would be a dangerous answer.
    static const QList<CatalogueDrink> drinks = [] {
        QList<CatalogueDrink> out;
        for (const QString& item : drinks::items())
            out.append({item, drinks::strengthText(item).value_or(QString())});
        return out;
    }();
    return drinks;
}

QString ownDrink() {
    return QStringLiteral("свой");
}

DrinkEntry newDrink(const QDateTime& now) {
    DrinkEntry entry;
    entry.date = now.date();
    entry.time = now.time().toString(QStringLiteral("HH:mm"));
    entry.drink = QStringLiteral("Водка 40%");
    entry.strength = strengthOf(entry.drink);
    return entry;
}

QString strengthOf(const QString& name) {
    for (const CatalogueDrink& d : all())
        if (d.name == name)
            return d.strength;
    return QString();
}

} // namespace drinkcatalogue
