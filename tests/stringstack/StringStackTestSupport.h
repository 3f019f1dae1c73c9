// Helpers for the string list tests: lists built through Queue, the stored form spelled out
// independently of the class, and the error kind an action raises.
#pragma once

#include "stringstack/StringStack.h"
#include "tools/Errors.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>

namespace kesta::testing {

// A list holding `items`, front first.
inline StringStack ListOf(std::initializer_list<std::string> items) {
    StringStack list;
    for (const std::string& item : items)
        list.Queue(item);
    return list;
}

// The stored form of `items`, front first: each one between two characters with code 1.
inline std::string Stored(std::initializer_list<std::string> items) {
    std::string stored;
    for (const std::string& item : items)
        stored += '\x01' + item + '\x01';
    return stored;
}

// Everything a list holds, to show that a failed operation changed nothing.
struct Snapshot {
    std::string Values;
    int16_t Depth;
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot SnapshotOf(const StringStack& list) {
    return {list.Values, list.Depth};
}

inline void PrintTo(const Snapshot& s, std::ostream* os) {
    *os << "Depth " << s.Depth << ", " << s.Values.size() << " stored characters";
}

// The kind of RuntimeError that `action` raises, or no value when it raises nothing.
template <typename Action> std::optional<ErrorKind> KindRaisedBy(Action&& action) {
    try {
        action();
    } catch (const RuntimeError& e) {
        return e.kind();
    }
    return std::nullopt;
}

} // namespace kesta::testing
