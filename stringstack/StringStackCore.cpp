// The stored text and the operations that read and change it item by item.
#include "stringstack/StringStack.h"
#include "tools/Errors.h"
#include "tools/Text.h"

#include <cstddef>
#include <utility>

namespace kesta {
namespace {

// The mark SetNth gives an item it deletes; every item so marked is then cut out.
constexpr char DeletedMark = '\x02';

} // namespace

std::string StringStack::Wrapped(const std::string& S) {
    std::string stored;
    stored.reserve(S.size() + 2);
    stored += Separator;
    stored += S;
    stored += Separator;
    return stored;
}

// Values without its first and last character. Shorter than two characters there is no inner
// text to take, which for the empty list is the documented invalid-argument failure.
std::string StringStack::InnerText() const {
    if (Values.size() < 2) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    return Values.substr(1, Values.size() - 2);
}

void StringStack::CheckPositionedLength() const {
    if (Values.size() > MaxPositionedLength) throw RuntimeError(ErrorKind::Overflow);
}

int16_t StringStack::DepthPlusOne() const {
    if (Depth == MaxDepth) throw RuntimeError(ErrorKind::Overflow);
    return static_cast<int16_t>(Depth + 1);
}

int16_t StringStack::DepthMinusOne() const {
    if (Depth == INT16_MIN) throw RuntimeError(ErrorKind::Overflow);
    return static_cast<int16_t>(Depth - 1);
}

std::vector<std::string> StringStack::Items() const {
    return text::SplitAll(InnerText(), DoubleSeparator);
}

void StringStack::Items(const std::vector<std::string>& ItemArray) {
    std::string stored(1, Separator);
    for (std::size_t i = 0; i < ItemArray.size(); ++i) {
        if (i > 0) stored += DoubleSeparator;
        stored += ItemArray[i];
    }
    stored += Separator;
    Values = std::move(stored);
}

void StringStack::Push(const Item& S) {
    if (!S) return;
    const int16_t depth = DepthPlusOne();
    Values = Wrapped(*S) + Values;
    Depth = depth;
}

void StringStack::Queue(const Item& S) {
    if (!S) return;
    const int16_t depth = DepthPlusOne();
    Values += Wrapped(*S);
    Depth = depth;
}

Item StringStack::Pop() {
    int16_t howMany = 1;
    return Pop(howMany);
}

// Works on copies and commits at the end, so a stored text holding fewer items than Depth
// claims fails without half of the requested items gone.
Item StringStack::Pop(int16_t& HowMany) {
    if (HowMany <= 0 || Depth <= 0) return std::nullopt;
    CheckPositionedLength();
    Item result;
    std::string values = Values;
    int16_t depth = Depth;
    int16_t left = HowMany;
    while (left > 0 && depth > 0) {
        const std::size_t closing = values.find(Separator, 1);
        if (closing == std::string::npos) throw RuntimeError(ErrorKind::InvalidProcedureCall);
        result = values.substr(1, closing - 1);
        values.erase(0, closing + 1);
        --depth;
        --left;
    }
    Values = std::move(values);
    Depth = depth;
    HowMany = left;
    return result;
}

Item StringStack::DeQueue() {
    int16_t howMany = 1;
    return DeQueue(howMany);
}

Item StringStack::DeQueue(int16_t& HowMany) {
    if (HowMany <= 0 || Depth <= 0) return std::nullopt;
    CheckPositionedLength();
    Item result;
    std::string values = Values;
    int16_t depth = Depth;
    int16_t left = HowMany;
    while (left > 0 && depth > 0) {
        if (values.size() < 2) throw RuntimeError(ErrorKind::InvalidProcedureCall);
        const std::size_t opening = values.rfind(Separator, values.size() - 2);
        if (opening == std::string::npos) throw RuntimeError(ErrorKind::InvalidProcedureCall);
        result = values.substr(opening + 1, values.size() - opening - 2);
        values.erase(opening);
        --depth;
        --left;
    }
    Values = std::move(values);
    Depth = depth;
    HowMany = left;
    return result;
}

Item StringStack::Top() const {
    if (Depth <= 0) return std::nullopt;
    CheckPositionedLength();
    const std::size_t closing = Values.find(Separator, 1);
    if (closing == std::string::npos) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    return Values.substr(1, closing - 1);
}

Item StringStack::Last() const {
    if (Depth <= 0) return std::nullopt;
    CheckPositionedLength();
    if (Values.size() < 2) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    const std::size_t opening = Values.rfind(Separator, Values.size() - 2);
    if (opening == std::string::npos) throw RuntimeError(ErrorKind::InvalidProcedureCall);
    return Values.substr(opening + 1, Values.size() - opening - 2);
}

// The empty text is searched as two separators in a row, which is also the boundary between
// any two neighbouring items; that match is part of the list's documented behaviour.
bool StringStack::Contains(const Item& S) const {
    if (!S) return false;
    return Values.find(Wrapped(*S)) != std::string::npos;
}

// A match's position in the list is the number of opening separators up to it. Each walk counts
// only the stretch since the previous match, stepping over the closing separator of the item
// before, so the count carries over from one rejected match to the next.
int16_t StringStack::IndexOf(const std::string& S, int16_t StartAt) const {
    CheckPositionedLength();
    const std::string target = Wrapped(S);
    int count = 0;
    std::ptrdiff_t last = 0; // 1-based position of the previous match, 0 before the first
    for (;;) {
        const std::size_t found = Values.find(target, static_cast<std::size_t>(last));
        if (found == std::string::npos) return 0;
        const auto match = static_cast<std::ptrdiff_t>(found) + 1;
        for (std::ptrdiff_t k = match; k > last;) {
            if (Values[static_cast<std::size_t>(k - 1)] == Separator) {
                ++count;
                --k;
            }
            --k;
        }
        if (count >= StartAt) return static_cast<int16_t>(count);
        last = match;
    }
}

void StringStack::Include(const Item& S) {
    if (!S) return;
    if (!Contains(S)) Push(S);
}

void StringStack::Exclude(const Item& S) {
    if (!S || S->empty() || Depth < 1) return;
    CheckPositionedLength();
    const std::size_t found = Values.find(Wrapped(*S));
    if (found == std::string::npos) return;
    const int16_t depth = DepthMinusOne();
    Values.erase(found, S->size() + 2);
    Depth = depth;
}

void StringStack::Assign(const std::string& ItemList, const std::string& Delimiter) {
    const std::vector<std::string> pieces = text::SplitAll(ItemList, Delimiter);
    if (pieces.size() > static_cast<std::size_t>(MaxDepth)) throw RuntimeError(ErrorKind::Overflow);
    if (pieces.empty())
        Values.clear();
    else
        Items(pieces);
    Depth = static_cast<int16_t>(pieces.size());
}

void StringStack::Assign(const StringStack& ItemList) {
    Values = ItemList.Values;
    Depth = ItemList.Depth;
}

void StringStack::Clear() {
    Depth = 0;
    Values.clear();
}

bool StringStack::isEmptied() const {
    return Depth == 0;
}

std::string StringStack::asString(const std::string& Delimiter) const {
    if (Depth < 1) return {};
    return text::ReplaceAll(InnerText(), DoubleSeparator, Delimiter);
}

Item StringStack::nth(int16_t n) const {
    const std::vector<std::string> items = Items();
    if (n >= 1 && static_cast<std::size_t>(n - 1) < items.size())
        return items[static_cast<std::size_t>(n - 1)];
    return std::nullopt;
}

// Deleting marks the item with the character code 2 and then removes every item so marked,
// so an item that itself is exactly that character goes as well (Depth still drops by one).
void StringStack::SetNth(int16_t n, const Item& value) {
    std::vector<std::string> items = Items();
    if (n < 1 || static_cast<std::size_t>(n - 1) >= items.size()) return;
    std::string& target = items[static_cast<std::size_t>(n - 1)];
    if (value) {
        target = *value;
        Items(items);
        return;
    }
    const int16_t depth = DepthMinusOne();
    target.assign(1, DeletedMark);
    Items(items);
    const char marked[] = {Separator, DeletedMark, Separator};
    Values = text::ReplaceAll(Values, std::string_view(marked, 3), "");
    Depth = depth;
}

} // namespace kesta
