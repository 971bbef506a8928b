#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The 16 drinks offered by the main window and the calculator, each shown as its name and its
// strength in percent ("Водка 40%").
namespace drinks {

// The display texts in list order.
QStringList items();

// The strength of the drink whose display text is exactly `itemText` (whole text,
// case-sensitive), as decimal text ("40"); nullopt for any other text.
std::optional<QString> strengthText(const QString& itemText);

// The same strength as a whole number of percent.
std::optional<int> strength(const QString& itemText);

} // namespace drinks
