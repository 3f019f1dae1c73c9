// StringStack: an ordered list of texts kept in one stored text, every item wrapped in the
// character with code 1. Stack operations work at the front, queue operations at the back,
// positions count from 1 with 1 the front item. Items may not contain the character with code 1;
// the class neither checks nor supports that.
//
// Counts and the character positions of the stored text are signed 16-bit numbers. An operation
// that would take `Depth` past 32,767, or a position-based operation (Top, Pop, Last, DeQueue,
// IndexOf, Exclude) on a stored text longer than 32,767 characters, raises Overflow and leaves
// the list exactly as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kesta {

using Item = std::optional<std::string>; // std::nullopt is "no value", distinct from ""

class StringStack {
  public:
    std::string Values; // the stored form: each item as code 1, the text, code 1
    int16_t Depth = 0;  // the item count

    // The items, front first. The inner text is split at every double separator, so a list
    // whose only item is "" gives no elements although Depth is 1. Empty stored text:
    // Invalid procedure call or argument.
    std::vector<std::string> Items() const;
    // Replaces the stored items; Depth is deliberately left alone, and no elements store one
    // empty item.
    void Items(const std::vector<std::string>& ItemArray);

    void Push(const Item& S);
    void Queue(const Item& S);
    // HowMany is decreased once per item removed; the last item removed is returned.
    Item Pop();
    Item Pop(int16_t& HowMany);
    Item DeQueue();
    Item DeQueue(int16_t& HowMany);
    Item Top() const;
    Item Last() const;

    bool Contains(const Item& S) const;
    int16_t IndexOf(const std::string& S, int16_t StartAt = 1) const;
    void Include(const Item& S);
    void Exclude(const Item& S);

    void Assign(const std::string& ItemList, const std::string& Delimiter = ",");
    void Assign(const StringStack& ItemList);
    void Clear();
    bool isEmptied() const;
    std::string asString(const std::string& Delimiter = ",") const;
    Item nth(int16_t n) const;
    void SetNth(int16_t n, const Item& value);

    void DropDuplicates();
    void Subtract(const StringStack& AnotherStringStack);
    void Unite(const StringStack& AnotherStringStack);
    void Intersect(const StringStack& AnotherStringStack);
    void Difference(const StringStack& AnotherStringStack);
    void Sort(bool reversed = false);

    // Record items: item n holds fields name=value joined by ";".
    std::string GetFieldNames(int16_t n) const;
    std::string GetValues(int16_t n) const;
    std::string GetFieldValue(int16_t n, std::string& FieldName) const; // trims FieldName in place
    std::string GetFieldValue(int16_t n, const std::string& FieldName) const;
    void SetFieldValue(int16_t n, std::string& FieldName, const std::string& value);
    void SetFieldValue(int16_t n, const std::string& FieldName, const std::string& value);

    // Field items: every item is one field name=value.
    std::vector<std::string> GetFNames() const;
    std::string GetVals() const;
    std::string GetFVal(const std::string& FieldName) const;
    void SetFVal(const std::string& FieldName, const std::string& value);

    // One item per line, every line ended by CR LF, one byte per character.
    void Save(const std::string& filename) const;
    void Load(const std::string& filename);

  private:
    static constexpr char Separator = '\x01';
    static constexpr std::string_view DoubleSeparator = "\x01\x01";
    static constexpr int16_t MaxDepth = INT16_MAX;
    static constexpr std::size_t MaxPositionedLength = 32767;

    static std::string Wrapped(const std::string& S);
    std::string InnerText() const;
    void CheckPositionedLength() const;
    int16_t DepthPlusOne() const;
    int16_t DepthMinusOne() const;
    // Keeps, in order, the items whose membership in `other` equals `contained`.
    void KeepWhereContained(const StringStack& other, bool contained);
};

} // namespace kesta
