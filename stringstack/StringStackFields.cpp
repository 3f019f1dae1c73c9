// Named values, in two forms: a record item holds fields name=value joined by ";", and in a
// field-item list every item is one field. A field is read by cutting it at every "=", so a
// value is only the text up to a second "="; an empty field has no name and a field without
// "=" has no value, and reading either where it is needed is Subscript out of range.
#include "stringstack/StringStack.h"
#include "tools/Errors.h"
#include "tools/Text.h"

#include <vector>

namespace kesta {
namespace {

using text::SplitAll;

std::string NameOf(const std::vector<std::string>& field) {
    if (field.empty()) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return field[0];
}

std::string ValueOf(const std::vector<std::string>& field) {
    if (field.size() < 2) throw RuntimeError(ErrorKind::SubscriptOutOfRange);
    return field[1];
}

// The comma join of field names or values: an empty piece while the text is still empty is
// absorbed, a later one leaves an empty slot.
void JoinWithComma(std::string& joined, const std::string& piece) {
    if (joined.empty())
        joined = piece;
    else
        joined += "," + piece;
}

} // namespace

// Record items. A position out of range reads as the empty record; the empty list fails in nth.

std::string StringStack::GetFieldNames(int16_t n) const {
    std::string names;
    for (const std::string& field : SplitAll(nth(n).value_or(""), ";")) {
        const std::string name = NameOf(SplitAll(field, "="));
        if (name.empty()) continue;
        if (!names.empty()) names += ",";
        names += name;
    }
    return names;
}

std::string StringStack::GetValues(int16_t n) const {
    std::string values;
    for (const std::string& field : SplitAll(nth(n).value_or(""), ";")) {
        const std::string value = ValueOf(SplitAll(field, "="));
        if (value.empty()) continue;
        if (!values.empty()) values += ",";
        values += value;
    }
    return values;
}

std::string StringStack::GetFieldValue(int16_t n, std::string& FieldName) const {
    FieldName = text::TrimSpaces(FieldName);
    for (const std::string& field : SplitAll(nth(n).value_or(""), ";")) {
        const std::vector<std::string> parts = SplitAll(field, "=");
        if (NameOf(parts) == FieldName) return ValueOf(parts);
    }
    return {};
}

std::string StringStack::GetFieldValue(int16_t n, const std::string& FieldName) const {
    std::string name = FieldName;
    return GetFieldValue(n, name);
}

// The old field, if any, is cut out of ";" + record + ";" and the new one goes to the end of the
// record. When nothing else is left (the item held only this field, or nothing) the record is
// the new field alone: joining it with ";" would start the record with an empty field that the
// readers reject.
void StringStack::SetFieldValue(int16_t n, std::string& FieldName, const std::string& value) {
    FieldName = text::TrimSpaces(FieldName);
    const Item record = nth(n);
    if (!record) return;
    std::string rest = ";" + *record + ";";
    const std::size_t found = rest.find(";" + FieldName + "=");
    if (found == std::string::npos) {
        rest = *record;
    } else {
        const std::size_t after = rest.find(';', found + 1);
        rest = rest.substr(1, found) + rest.substr(after + 1);
        if (!rest.empty()) rest.pop_back();
    }
    const std::string field = FieldName + "=" + text::TrimSpaces(value);
    SetNth(n, rest.empty() ? field : rest + ";" + field);
}

void StringStack::SetFieldValue(int16_t n, const std::string& FieldName, const std::string& value) {
    std::string name = FieldName;
    SetFieldValue(n, name, value);
}

// Field items, read front to back through nth with Depth taken once.

std::vector<std::string> StringStack::GetFNames() const {
    std::string names;
    const int16_t depth = Depth;
    for (int i = 1; i <= depth; ++i)
        JoinWithComma(names, NameOf(SplitAll(nth(static_cast<int16_t>(i)).value_or(""), "=")));
    return SplitAll(names, ",");
}

std::string StringStack::GetVals() const {
    std::string values;
    const int16_t depth = Depth;
    for (int i = 1; i <= depth; ++i)
        JoinWithComma(values, ValueOf(SplitAll(nth(static_cast<int16_t>(i)).value_or(""), "=")));
    return values;
}

std::string StringStack::GetFVal(const std::string& FieldName) const {
    const std::string name = text::TrimSpaces(FieldName);
    const int16_t depth = Depth;
    for (int i = 1; i <= depth; ++i) {
        const std::vector<std::string> parts =
            SplitAll(nth(static_cast<int16_t>(i)).value_or(""), "=");
        if (NameOf(parts) == name) return ValueOf(parts);
    }
    return {};
}

void StringStack::SetFVal(const std::string& FieldName, const std::string& value) {
    const std::string name = text::TrimSpaces(FieldName);
    const std::string field = name + "=" + text::TrimSpaces(value);
    const int16_t depth = Depth;
    for (int i = 1; i <= depth; ++i) {
        const auto n = static_cast<int16_t>(i);
        if (NameOf(SplitAll(nth(n).value_or(""), "=")) == name) {
            SetNth(n, field);
            return;
        }
    }
    Queue(field);
}

} // namespace kesta
