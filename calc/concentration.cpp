#include "concentration.h"

#include "numbertext.h"

namespace concentration {
const Fixed4 MenReductionFactor = Fixed4::fromRaw(6800);
const Fixed4 WomenReductionFactor = Fixed4::fromRaw(5500);

QString resultSentence(const QString& bloodText, const QString& urineText) {
    return QStringLiteral("Концентрация алкоголя в крови: ") + bloodText +
           QStringLiteral(" промилле. Концентрация алкоголя в моче: ") + urineText +
           QStringLiteral(" промилле.");
}

QString eliminationSentence(const QString& totalTimeText) {
    return QStringLiteral("Время полного вывода алкоголя из крови: ") + totalTimeText +
           QStringLiteral(" час");
}
} // namespace concentration

ConcentrationInputs ConcentrationInputs::read(const QString& amount, const QString& strength,
                                              const QString& bodyMass,
                                              const QString& reductionFactor,
                                              const QString& eliminationRate, const QString& hours,
                                              const QString& runningTotal) {
    using numbertext::readFixed4;
    ConcentrationInputs in;
    in.amount = readFixed4(amount);
    in.strength = readFixed4(strength);
    in.bodyMass = readFixed4(bodyMass);
    in.reductionFactor = readFixed4(reductionFactor);
    in.eliminationRate = readFixed4(eliminationRate);
    in.hours = readFixed4(hours);
    in.runningTotal = readFixed4(runningTotal);
    return in;
}

namespace {
// The peak concentration, computed the same way every time it is needed.
double peak(const ConcentrationInputs& in) {
    const double ethanol =
        (in.amount * in.strength).toDouble() * concentration::EthanolFactor / 100;
    return ethanol / (in.bodyMass * in.reductionFactor).toDouble();
}
} // namespace

ConcentrationResult computeConcentration(const ConcentrationInputs& in) {
    const Fixed4 eliminated = in.eliminationRate * in.hours;
    ConcentrationResult out;
    out.blood = toFixed(peak(in)) - eliminated;
    out.urine = toFixed(out.blood.toDouble() * concentration::UrineFactor);
    out.totalTime = toFixed(peak(in) / in.eliminationRate.toDouble());
    out.remainingTime = out.totalTime - in.hours;
    out.runningTotal = in.amount + in.runningTotal;
    return out;
}
