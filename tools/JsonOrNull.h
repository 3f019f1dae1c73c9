// The JSON forms write a figure that could not be worked out as null, never as 0 or a blank:
// a reader must not take "none" for a number.
#pragma once

#include <nlohmann/json.hpp>

#include <optional>

namespace kesta {

template <class T> nlohmann::ordered_json JsonOrNull(const std::optional<T>& value) {
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

} // namespace kesta
