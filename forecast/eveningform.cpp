#include "eveningform.h"

SavedEvening savedEvening(const ForecastForm& form) {
    SavedEvening e;
    e.drinks = form.drinks;
    e.sex = form.sex;
    e.mass = form.mass;
    e.height = form.height;
    e.age = form.age;
    e.slowestRate = form.slowestRate;
    e.rate = form.rate;
    e.fastestRate = form.fastestRate;
    e.deficit = form.deficit;
    e.absorption = form.absorption;
    e.planned = form.planned;
    e.model = form.model;
    e.country = form.country;
    e.driverClass = form.driverClass;
    // The file knows an own limit by its figure; an empty figure is no choice to keep.
    e.customLimit = form.ownLimit ? form.customLimit : QString();
    return e;
}

ForecastForm formOf(const SavedEvening& e) {
    ForecastForm form;
    form.drinks = e.drinks;
    form.sex = e.sex;
    form.mass = e.mass;
    form.height = e.height;
    form.age = e.age;
    form.slowestRate = e.slowestRate;
    form.rate = e.rate;
    form.fastestRate = e.fastestRate;
    form.deficit = e.deficit;
    form.absorption = e.absorption;
    form.planned = e.planned;
    form.model = e.model;
    form.country = e.country;
    form.driverClass = e.driverClass;
    form.ownLimit = !e.customLimit.isEmpty();
    form.customLimit = e.customLimit;
    return form;
}
