#include "compare/SideBySide.h"

#include <algorithm>

namespace kesta {

namespace {

using Lines = std::vector<std::string>;

// common[i][j]: the length of the longest common subsequence of a[i..] and b[j..]. Reports
// are a hundred lines or so, so the full table is small.
std::vector<std::vector<int>> CommonLengths(const Lines& a, const Lines& b) {
    std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    return common;
}

// The lines a[ia..ea) and b[ib..eb) that match nothing, paired in order.
void PairGap(const Lines& a, std::size_t ia, std::size_t ea, const Lines& b, std::size_t ib,
             std::size_t eb, std::vector<AlignedRow>& rows) {
    while (ia < ea || ib < eb) {
        AlignedRow row{std::nullopt, std::nullopt, true};
        if (ia < ea) row.a = a[ia++];
        if (ib < eb) row.b = b[ib++];
        row.differs = !(row.a && row.b && *row.a == *row.b);
        rows.push_back(std::move(row));
    }
}

} // namespace

std::vector<AlignedRow> AlignLines(const Lines& a, const Lines& b) {
    const auto common = CommonLengths(a, b);
    std::vector<AlignedRow> rows;
    std::size_t i = 0, j = 0, gapA = 0, gapB = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i] == b[j]) {
            PairGap(a, gapA, i, b, gapB, j, rows);
            rows.push_back({a[i], b[j], false});
            gapA = ++i;
            gapB = ++j;
        } else if (common[i + 1][j] >= common[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    PairGap(a, gapA, a.size(), b, gapB, b.size(), rows);
    return rows;
}

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find('\n', from)) != std::string::npos; from = at + 1)
        lines.push_back(text.substr(from, at - from));
    if (from < text.size()) lines.push_back(text.substr(from));
    return lines;
}

} // namespace kesta
