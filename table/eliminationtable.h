#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The main window's fixed table of men's elimination times: one entry for every drink, body
// weight and amount that its three lists offer, 16 × 6 × 3 = 288 in all. The times are data, not
// computed, so what the window shows never depends on floating-point arithmetic.
class EliminationTable {
public:
    // The list contents, in list order; every combination of them has exactly one entry.
    static QStringList drinks();
    static QStringList weights(); // kilograms
    static QStringList amounts(); // grams

    // The men's time ("0ч-42мин") for the three list texts, compared as whole strings, exactly
    // and case-sensitively; nullopt when any of them is not a list item (an empty text
    // included).
    static std::optional<QString> menTime(const QString& drink, const QString& weight,
                                          const QString& amount);
};
