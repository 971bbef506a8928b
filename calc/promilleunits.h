#pragma once

#include "fixed4.h"

#include <QString>

// A blood value restated in other units. 1 promille is 1 g/l: 0,5 mg/l in breath terms,
// 500 µg/l, and 0,1 % blood alcohol content.
struct PromilleUnits {
    Fixed4 milligramsPerLitre;  // two decimals
    Fixed4 microgramsPerLitre;  // two decimals
    Fixed4 percentBloodAlcohol; // three decimals

    static PromilleUnits of(Fixed4 promille);

    // "<p> промилле = <mg> мг/л (<µg> мкг/л) = <%> %ВАС"
    static QString line(const QString& promilleText, const QString& mgText, const QString& ugText,
                        const QString& bacText);
    static QString layoutLine(); // as the window is laid out
    static QString resetLine();  // after a reset
};
