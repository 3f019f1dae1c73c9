// Helpers for the string list tests: lists built through Queue, the expected contents spelled
// out independently of the class, and table runners for changes and for failures.
#pragma once

#include "stringstack/StringStack.h"
#include "tests/common/ErrorKindOf.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kesta::testing {

using Items = std::vector<std::string>;
using Change = std::function<void(StringStack&)>;

// A list holding `items`, front first.
inline StringStack ListOf(const Items& items) {
    StringStack list;
    for (const std::string& item : items)
        list.Queue(item);
    return list;
}

// The stored form of `items`, front first: each one between two characters with code 1.
inline std::string Stored(const Items& items) {
    std::string stored;
    for (const std::string& item : items)
        stored += '\x01' + item + '\x01';
    return stored;
}

// Everything a list holds, to show what an operation left or that a failure changed nothing.
struct Snapshot {
    std::string Values;
    int16_t Depth;
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot SnapshotOf(const StringStack& list) {
    return {list.Values, list.Depth};
}

// What a sound list of `items` holds, worked out without the class.
inline Snapshot Holding(const Items& items) {
    return {Stored(items), static_cast<int16_t>(items.size())};
}

inline void PrintTo(const Snapshot& s, std::ostream* os) {
    std::string shown = s.Values.size() > 200 ? s.Values.substr(0, 200) + "..." : s.Values;
    for (char& c : shown)
        if (c == '\x01') c = '|';
    *os << "Depth " << s.Depth << " \"" << shown << '"';
}

struct ChangeRow {
    const char* what;
    Items start;
    Change change;
    Items after;
};

inline void ExpectChanges(const std::vector<ChangeRow>& rows) {
    for (const ChangeRow& row : rows) {
        StringStack list = ListOf(row.start);
        row.change(list);
        EXPECT_EQ(SnapshotOf(list), Holding(row.after)) << row.what;
    }
}

struct FailureRow {
    const char* what;
    Change change;
    ErrorKind kind;
};

// Every change, made on its own copy of `list`, raises its kind and leaves the copy as it was.
inline void ExpectFailures(const StringStack& list, const std::vector<FailureRow>& rows) {
    for (const FailureRow& row : rows) {
        StringStack copy = list;
        EXPECT_EQ(test::KindOf([&] { row.change(copy); }), row.kind) << row.what;
        EXPECT_EQ(SnapshotOf(copy), SnapshotOf(list)) << row.what;
    }
}

} // namespace kesta::testing
