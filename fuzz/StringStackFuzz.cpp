// libFuzzer target for the string list: random sequences of operations on two lists, the
// other list of a set operation being either of them. After every operation the stored text
// and Depth agree (the text is Depth wrapped items, or empty with Depth 0), and an operation
// that raises has left the list exactly as it was. Items never contain the separator (code 1)
// or the mark of a deleted item (code 2), which the list documents it does not support.
#include "fuzz/FuzzInput.h"
#include "stringstack/StringStack.h"
#include "tools/Errors.h"

#include <algorithm>
#include <exception>
#include <string>
#include <vector>

using namespace kesta;
using fuzz::Check;
using fuzz::FuzzInput;

namespace {

// Operations per input. One on a list of thousands of items counts for more: the set
// operations rescan the stored text for each item (as documented), and dozens of them on lists
// of 32,000 items would take seconds under the sanitizers without finding more.
constexpr int kWorkPerInput = 64;

int WorkOf(const StringStack& a, const StringStack& b) {
    return 1 + (std::max<int>(a.Depth, 0) + std::max<int>(b.Depth, 0)) / 1024;
}

std::string TextFrom(FuzzInput& in) {
    static const std::vector<std::string> texts = {"",  "a", "b",     "a,b", ",",  "x=1", "x=1;y=2",
                                                   "=", ";", "a=b=c", " x ", "x=", "=1",  ";;"};
    std::string text;
    switch (in.Below(4)) {
    case 0:
        text = in.Bytes(12);
        break;
    case 1:
        text = std::string(in.Below(2) == 0 ? 32760 : 33000, 'z'); // about the 16-bit limit
        if (in.Byte() < 200) text = texts[in.Below(texts.size())];
        break;
    default:
        text = texts[in.Below(texts.size())];
    }
    std::replace(text.begin(), text.end(), '\x01', '1');
    std::replace(text.begin(), text.end(), '\x02', '2');
    return text;
}

Item ItemFrom(FuzzInput& in) {
    if (in.Below(8) == 0) return std::nullopt;
    return TextFrom(in);
}

// A list text for Assign: pieces and delimiters, or a run of one delimiter long enough to
// pass 32,767 items.
std::string ListFrom(FuzzInput& in, const std::string& delimiter) {
    if (in.Below(8) == 0 && !delimiter.empty())
        return [&] {
            std::string list;
            for (int n = in.Word() % 40000; n > 0; --n)
                list += delimiter;
            return list;
        }();
    std::string list;
    for (std::size_t n = in.Below(6); n > 0; --n)
        list += TextFrom(in) + (in.Below(4) == 0 ? TextFrom(in) : delimiter);
    return list;
}

void CheckAgrees(const StringStack& s) {
    if (s.Values.empty()) {
        Check(s.Depth == 0);
        return;
    }
    const std::string& v = s.Values;
    Check(v.front() == '\x01' && v.back() == '\x01');
    std::size_t separators = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\x01') continue;
        // Every second separator closes an item; the next character opens another one.
        if (separators % 2 == 1) Check(i + 1 == v.size() || v[i + 1] == '\x01');
        ++separators;
    }
    Check(separators % 2 == 0 && s.Depth == static_cast<int16_t>(separators / 2));
}

int16_t SmallCount(FuzzInput& in) {
    return static_cast<int16_t>(static_cast<int>(in.Below(12)) - 2);
}

void Operate(FuzzInput& in, StringStack& s, const StringStack& other) {
    switch (in.Below(20)) {
    case 0:
        s.Push(ItemFrom(in));
        break;
    case 1:
        s.Queue(ItemFrom(in));
        break;
    case 2: {
        int16_t n = SmallCount(in);
        s.Pop(n);
        break;
    }
    case 3: {
        int16_t n = SmallCount(in);
        s.DeQueue(n);
        break;
    }
    case 4:
        s.Top();
        s.Last();
        s.isEmptied();
        break;
    case 5:
        s.Contains(ItemFrom(in));
        s.IndexOf(TextFrom(in), SmallCount(in));
        break;
    case 6:
        s.Include(ItemFrom(in));
        break;
    case 7:
        s.Exclude(ItemFrom(in));
        break;
    case 8: {
        const std::string d = TextFrom(in).substr(0, 2);
        s.Assign(ListFrom(in, d), d);
        break;
    }
    case 9:
        s.Assign(other);
        break;
    case 10:
        s.Clear();
        break;
    case 11:
        s.asString(TextFrom(in).substr(0, 3));
        s.Items();
        break;
    case 12:
        s.nth(SmallCount(in));
        s.SetNth(SmallCount(in), ItemFrom(in));
        break;
    case 13:
        s.DropDuplicates();
        break;
    case 14: {
        switch (in.Below(4)) {
        case 0:
            s.Subtract(other);
            break;
        case 1:
            s.Unite(other);
            break;
        case 2:
            s.Intersect(other);
            break;
        default:
            s.Difference(other);
            break;
        }
        break;
    }
    case 15:
        s.Sort(in.Below(2) == 1);
        break;
    case 16: {
        const int16_t n = SmallCount(in);
        s.GetFieldNames(n);
        s.GetValues(n);
        std::string name = TextFrom(in);
        s.GetFieldValue(n, name);
        if (in.Below(2) == 0) s.SetFieldValue(n, name, TextFrom(in));
        break;
    }
    case 17:
        s.GetFNames();
        s.GetVals();
        s.GetFVal(TextFrom(in));
        break;
    case 18:
        s.SetFVal(TextFrom(in), TextFrom(in));
        break;
    default: { // replacing the items sets Depth, which Items() leaves to the caller
        std::vector<std::string> items;
        for (std::size_t n = in.Below(5); n > 0; --n)
            items.push_back(TextFrom(in));
        s.Items(items);
        s.Depth = static_cast<int16_t>(items.size());
        if (items.empty()) s.Values.clear(); // no elements store one empty item otherwise
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    StringStack lists[2];
    for (int work = 0; work < kWorkPerInput && !in.Empty(); work += WorkOf(lists[0], lists[1])) {
        const std::size_t which = in.Below(2);
        StringStack& s = lists[which];
        const StringStack& other = lists[in.Below(2)];
        const StringStack before = s;
        try {
            Operate(in, s, other);
        } catch (const RuntimeError&) {
            Check(s.Values == before.Values && s.Depth == before.Depth);
        } catch (...) {
            std::terminate(); // nothing else may escape
        }
        CheckAgrees(lists[0]);
        CheckAgrees(lists[1]);
    }
    return 0;
}
