// Operations that rearrange a list as a whole: repeats, the four set operations and sorting.
// Each builds its result on a working copy and takes it over at the end, so a failure (an
// inconsistent stored text, a count past 16 bits) leaves the list as it was. The other list is
// copied first: it may be this very list, and it must be read as it was at the call.
#include "stringstack/StringStack.h"
#include "tools/Errors.h"
#include "tools/Text.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>

namespace kesta {

// Scans the stored text item by item and cuts an item out whenever the same stored item (both
// separators included) occurs again further back, so the last of each group stays. The empty
// item, two separators, also matches the boundary between two later items and goes then.
void StringStack::DropDuplicates() {
    StringStack work = *this;
    std::size_t opening = 0;
    while (opening + 1 < work.Values.size()) {
        const std::size_t closing = work.Values.find(Separator, opening + 1);
        if (closing == std::string::npos) throw RuntimeError(ErrorKind::InvalidProcedureCall);
        const std::size_t length = closing - opening + 1;
        const std::string stored = work.Values.substr(opening, length);
        if (work.Values.find(stored, closing + 1) != std::string::npos) {
            work.Depth = work.DepthMinusOne();
            work.Values.erase(opening, length);
        } else {
            opening = closing + 1;
        }
    }
    *this = std::move(work);
}

// A list whose only item is "" has no elements in Items although Depth is 1; the loop below
// reads such a missing element as the empty text, which is the item really there.
void StringStack::KeepWhereContained(const StringStack& AnotherStringStack, bool contained) {
    if (Depth == 0 || AnotherStringStack.Depth == 0) return;
    const StringStack other = AnotherStringStack;
    StringStack work = *this;
    const std::vector<std::string> items = work.Items();
    const int16_t n = work.Depth;
    work.Clear();
    for (int i = 0; i < n; ++i) {
        const std::string& element = text::PieceOrEmpty(items, static_cast<std::size_t>(i));
        if (other.Contains(element) == contained) work.Queue(element);
    }
    *this = std::move(work);
}

void StringStack::Subtract(const StringStack& AnotherStringStack) {
    KeepWhereContained(AnotherStringStack, false);
}

void StringStack::Intersect(const StringStack& AnotherStringStack) {
    KeepWhereContained(AnotherStringStack, true);
}

// The other list's items travel through its comma-joined text, so an item holding a comma is
// cut into pieces, and only as many pieces are taken as the other list has items.
void StringStack::Unite(const StringStack& AnotherStringStack) {
    if (AnotherStringStack.Depth == 0) return;
    const StringStack other = AnotherStringStack;
    const std::vector<std::string> pieces = text::SplitAll(other.asString(","), ",");
    StringStack work = *this;
    for (int i = 0; i < other.Depth; ++i) {
        const std::string& piece = text::PieceOrEmpty(pieces, static_cast<std::size_t>(i));
        if (!work.Contains(piece)) work.Queue(piece);
    }
    *this = std::move(work);
}

// Every item of either list cancels at most one equal item of the other. What is left of the
// other list is appended through the comma-joined text, as in Unite.
void StringStack::Difference(const StringStack& AnotherStringStack) {
    const StringStack other = AnotherStringStack;
    StringStack work = *this;
    if (work.Depth == 0) {
        work.Assign(other.asString(","), ",");
        *this = std::move(work);
        return;
    }
    if (other.Depth == 0) return;
    StringStack unmatched;
    unmatched.Assign(other);
    const std::vector<std::string> items = work.Items();
    const int16_t n = work.Depth;
    work.Clear();
    for (int i = 0; i < n; ++i) {
        const std::string& element = text::PieceOrEmpty(items, static_cast<std::size_t>(i));
        if (unmatched.Contains(element))
            unmatched.Exclude(element);
        else
            work.Queue(element);
    }
    if (unmatched.Depth >= 1) {
        if (work.Depth > 0)
            work.Assign(work.asString(",") + "," + unmatched.asString(","), ",");
        else
            work.Assign(unmatched.asString(","), ",");
    }
    *this = std::move(work);
}

// Ordinal order on byte values (std::string compares as unsigned char). Items that compare
// equal are the same text, so any correct sort gives the exchange sort's result; std::sort
// gives it without n(n - 1)/2 comparisons, which on 32,767 items took over a second. Depth is
// not touched.
void StringStack::Sort(bool reversed) {
    if (Depth < 1) return;
    std::vector<std::string> items = Items();
    if (reversed)
        std::sort(items.begin(), items.end(), std::greater<>());
    else
        std::sort(items.begin(), items.end());
    Items(items);
}

} // namespace kesta
