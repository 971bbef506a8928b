#pragma once

#include "eveningfile.h"
#include "forecastform.h"

// The window's form and the saved evening hold the same texts; these carry them across.
SavedEvening savedEvening(const ForecastForm& form);
ForecastForm formOf(const SavedEvening& evening);
