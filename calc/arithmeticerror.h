#pragma once

#include <stdexcept>

// Overflow, division by zero or a value beyond the fixed-point range. The caller stops the
// operation in progress without a message.
class ArithmeticError : public std::runtime_error {
public:
    explicit ArithmeticError(const char* what = "arithmetic error")
        : std::runtime_error(what) {}
};
