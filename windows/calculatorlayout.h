#pragma once

#include "app/layouttable.h"

#include <span>

// The calculator window's controls, top of the stacking order first.
std::span<const ControlSpec> calculatorLayout();
