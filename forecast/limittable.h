#pragma once

#include "limit.h"
#include "limitentry.h"

#include <QList>
#include <QStringView>

// Drink-driving limits of the countries the program knows, with their sources.
namespace limittable {

inline constexpr QStringView RussiaId = u"RU";

// In the order the window lists them: Russia first, then by country name.
const QList<LimitEntry>& entries();

// Null for an id the table does not know.
const LimitEntry* find(QStringView id);

// The entry with that id; Russia for an unknown one, so an old or edited saved choice still
// gives a lawful limit.
const LimitEntry& entry(QStringView id);

Limit limitFor(QStringView id, DriverClass driver);

} // namespace limittable
