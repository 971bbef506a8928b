#pragma once

#include <QString>

#include <optional>
#include <utility>

// A field's value, or the short problem shown beside the field.
template <typename T> struct Checked {
    std::optional<T> value;
    QString problem; // empty when the value is there

    static Checked ok(T v) { return {std::move(v), {}}; }
    static Checked fail(QString text) { return {std::nullopt, std::move(text)}; }
};
