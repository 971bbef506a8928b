#pragma once

#include "person.h"

#include <QList>
#include <QString>
#include <QStringView>

enum class BodyModelId { Widmark, Watson, Seidl, Forrest };

// A way to find the reduction factor r of c = A / (r · W) for a person. Every model reduces to
// an effective r, so the curve never needs to know which one was chosen; a body-water model
// fits as r = TBW / (0,8 · W), blood being about 80 % water.
class BodyModel {
public:
    BodyModelId id() const { return m_id; }
    // Stable across versions and languages: what the form and saved choices keep.
    QString key() const { return m_key; }
    QString name() const { return m_name; }     // Russian, as the window lists it
    QString source() const { return m_source; } // where the figures come from
    QString help() const { return m_help; }     // one Russian sentence on what the model is
    bool needsHeight() const { return m_needsHeight; }
    bool needsAge() const { return m_needsAge; }

    // Not a number or not positive when the person lies outside what the model can describe.
    double reductionFactor(const Person& person) const { return m_factor(person); }
    bool fits(const Person& person) const;

    // Every model the program offers, in the order the window lists them.
    static const QList<BodyModel>& all();
    static const BodyModel& byId(BodyModelId id);
    static const BodyModel* byKey(QStringView key); // nullptr when no model has that key
    static const BodyModel& widmark() { return byId(BodyModelId::Widmark); }

private:
    using Factor = double (*)(const Person&);

    struct Row {
        BodyModelId id;
        const char16_t* key;
        const char16_t* name;
        const char16_t* source;
        const char16_t* help;
        bool needsHeight;
        bool needsAge;
        Factor factor;
    };

    explicit BodyModel(const Row& row);

    BodyModelId m_id;
    QString m_key;
    QString m_name;
    QString m_source;
    QString m_help;
    bool m_needsHeight;
    bool m_needsAge;
    Factor m_factor;
};
