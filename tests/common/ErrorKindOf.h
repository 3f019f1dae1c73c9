// The kind of error a call raises, for tests that expect a stop of a given kind.
#pragma once

#include "tools/Errors.h"

#include <optional>

namespace kesta::test {

// The kind of RuntimeError that `call` raises, or no value when it raises nothing.
template <typename Call> std::optional<ErrorKind> KindOf(Call&& call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    return std::nullopt;
}

} // namespace kesta::test
