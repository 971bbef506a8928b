#pragma once

#include "evening.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The drinks the forecast offers by name: real drinks as they are poured, each with its usual
// strength and serving, and the calculator's 16. Picking one fills in its strength and its
// serving. The periodic table's cells are jokes and never listed.
struct CatalogueDrink {
    QString group;    // one of drinkcatalogue::groups()
    QString name;     // as listed: "Пиво светлое, 0,5 л", "Водка 40%"
    QString strength; // percent, decimal text as the strength field takes it
    QString serving;  // millilitres, decimal text as the amount field takes it
};

namespace drinkcatalogue {

// In list order: "пиво", "вино", "игристое", "крепкое", "коктейли". "свой" comes last, on its
// own.
const QStringList& groups();

// Group by group, in the order of groups().
const QList<CatalogueDrink>& all();

// The entry for a drink typed by hand.
QString ownDrink(); // "свой"

// The listed drink of that name, or nullptr for "свой" and unknown names.
const CatalogueDrink* find(const QString& name);

// The strength of a listed drink, or empty for "свой" and unknown names.
QString strengthOf(const QString& name);

// The drink a new row starts with, complete, at now to the minute: the drink of the last row
// of `evening` as listed (its serving and strength), that row's own amount and strength for a
// drink the list does not name, or the first listed drink when the evening is empty or its last
// row cannot be read.
DrinkEntry newDrink(const QList<DrinkEntry>& evening, const QDateTime& now);

// `drink` once more, as it was typed, at now to the minute.
DrinkEntry again(const DrinkEntry& drink, const QDateTime& now);

// Up to `count` drinks to offer as "drunk just now", each as its last row: the evening's
// drinks by how often they were drunk (a tie goes to the one drunk first), then the first
// listed drink of each group the evening does not have yet. Rows whose amount or strength
// cannot be read are not offered.
// A drink counts as the same when its name, amount and strength are.
QList<DrinkEntry> favourites(const QList<DrinkEntry>& evening, int count);

// A drink's name on a button: a listed drink at its serving and strength by its name alone,
// any other as "Вино сухое, бокал 150 мл: 200 мл, 12 %".
QString caption(const DrinkEntry& drink);

} // namespace drinkcatalogue
