#pragma once

#include "evening.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The drinks the forecast offers by name: the program's list of 16. Picking one fills in its
// strength.
struct CatalogueDrink {
    QString name;     // as listed: "Водка 40%", "Абсент"
    QString strength; // decimal text, as the strength field takes it
};

namespace drinkcatalogue {

const QList<CatalogueDrink>& all();

// The entry for a drink typed by hand.
QString ownDrink(); // "свой"

// The drink a new row starts with: vodka, now.
DrinkEntry newDrink(const QDateTime& now);

// The strength of a listed drink, or empty for "свой" and unknown names.
QString strengthOf(const QString& name);

} // namespace drinkcatalogue
