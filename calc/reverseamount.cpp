#include "reverseamount.h"

#include "concentration.h"
#include "numbertext.h"

ReverseAmount ReverseAmount::read(const QString& promille, const QString& strength,
                                  const QString& bodyMass, const QString& reductionFactor,
                                  const QString& eliminationRate, const QString& hours) {
    using numbertext::readFixed4;
    ReverseAmount r;
    r.promille = readFixed4(promille);
    r.strength = readFixed4(strength);
    r.bodyMass = readFixed4(bodyMass);
    r.reductionFactor = readFixed4(reductionFactor);
    r.eliminationRate = readFixed4(eliminationRate);
    r.hours = readFixed4(hours);
    return r;
}

Fixed4 ReverseAmount::grams() const {
    const Fixed4 hundred = Fixed4::fromInt(100);
    const Fixed4 x = ((hundred * promille) * bodyMass) * reductionFactor;
    const Fixed4 y = hundred * (((eliminationRate * hours) * bodyMass) * reductionFactor);
    return toFixed((x + y).toDouble() / (strength.toDouble() * concentration::EthanolFactor));
}

QString ReverseAmount::sentence(const QString& strengthText, const QString& gramsText) {
    return QStringLiteral("Вами выпито ") + strengthText + QStringLiteral(" % спиртного ") +
           gramsText + QStringLiteral(" грамм");
}
