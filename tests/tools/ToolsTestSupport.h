#pragma once

#include "tools/Errors.h"

#include <optional>

namespace kesta::testing {

// The kind of RuntimeError that `action` raises, or no value when it raises nothing.
template <typename Action> std::optional<ErrorKind> KindOf(Action&& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    return std::nullopt;
}

} // namespace kesta::testing
