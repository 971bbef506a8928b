#pragma once

#include "person.h"

#include <QList>
#include <QString>

enum class BodyModelId { Widmark };

// A way to find the reduction factor r of c = A / (r · W) for a person. Every model reduces to
// an effective r, so the curve never needs to know which one was chosen; a body-water model
// fits as r = TBW / (0,8 · W), blood being about 80 % water.
class BodyModel {
public:
    BodyModelId id() const { return m_id; }
    QString name() const { return m_name; }     // Russian, as the window lists it
    QString source() const { return m_source; } // where the figures come from

    double reductionFactor(const Person& person) const { return m_factor(person); }

    // Every model the program offers, in the order the window lists them.
    static const QList<BodyModel>& all();
    static const BodyModel& byId(BodyModelId id);
    static const BodyModel& widmark() { return byId(BodyModelId::Widmark); }

private:
    using Factor = double (*)(const Person&);

    BodyModel(BodyModelId id, QString name, QString source, Factor factor);

    BodyModelId m_id;
    QString m_name;
    QString m_source;
    Factor m_factor;
};
