// Two reports line against line: lines the two have in common (their longest common
// subsequence) share a row, and the lines between them are paired up in order, the shorter
// side padded with empty rows. A row differs unless both sides hold the same line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kesta {

struct AlignedRow {
    std::optional<std::string> a, b; // nullopt: padding on that side
    bool differs;
};

std::vector<AlignedRow> AlignLines(const std::vector<std::string>& a,
                                   const std::vector<std::string>& b);

// "a\nb\n" gives {"a", "b"}; a last line without "\n" still counts.
std::vector<std::string> SplitLines(const std::string& text);

} // namespace kesta
