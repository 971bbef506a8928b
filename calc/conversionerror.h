#pragma once

#include <stdexcept>

// A text that is not a number. The caller shows the conversion message.
class ConversionError : public std::runtime_error {
public:
    ConversionError()
        : std::runtime_error("text is not a number") {}
};
