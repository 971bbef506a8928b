#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

struct Limit;

// The body models as the forecast offers them: every model of its own, then all of them at once.
namespace modelchoice {

struct Choice {
    QString key;  // what the evening keeps: a model's key, or Forecast::AllModels
    QString name; // as the window lists it
};

// Every model in the order of BodyModel::all(), and "все модели" last.
QList<Choice> all();

bool isKnown(QStringView key);

// What the chosen model reads besides sex and mass. "все модели" reads everything any model
// does; an unknown key reads nothing.
bool needsHeight(QStringView key);
bool needsAge(QStringView key);

// "Видмарк", or "все модели"; empty for an unknown key.
QString name(QStringView key);

// Where the figures come from: the model's source, or every model's, named, for all of them.
QString sources(QStringView key);

// The text of the help button: every model with its sentence and source, what "все модели"
// means, the limit in force with its source, and the warning.
QString helpText(const Limit& limit);

} // namespace modelchoice
