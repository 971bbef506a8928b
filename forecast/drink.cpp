#include "drink.h"

#include "calc/concentration.h"

double Drink::ethanolGrams() const {
    return grams * strength / 100 * concentration::EthanolFactor;
}
