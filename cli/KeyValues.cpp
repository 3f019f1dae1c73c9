#include "cli/KeyValues.h"

#include "cli/CommandLine.h"
#include "downrange/DownrangeInputs.h"
#include "form/SettingsKeys.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace kesta {

namespace {

const SettingsKey* FindKey(const std::string& key) {
    for (const SettingsKey& row : SettingsKeys())
        if (row.key == key) return &row;
    return nullptr;
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Levenshtein distance: insertions, deletions and substitutions.
std::size_t Edits(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool OneOf(const std::string& value, std::initializer_list<const char*> allowed) {
    return std::any_of(allowed.begin(), allowed.end(),
                       [&value](const char* a) { return value == a; });
}

} // namespace

std::string NearestKey(const std::string& key) {
    // A long mistyped argument is nobody's key: no need to measure it against all of them.
    if (key.size() > 40) return "";
    const std::string typed = Lower(key);
    std::string nearest;
    std::size_t best = 3; // more edits than this is a different word
    auto consider = [&](const std::string& candidate) {
        const std::size_t edits = Edits(typed, Lower(candidate));
        if (edits < best) {
            best = edits;
            nearest = candidate;
        }
    };
    for (const SettingsKey& row : SettingsKeys())
        consider(row.key);
    for (const std::string& downrangeKey : downrange::InputKeys())
        consider(downrangeKey);
    return nearest;
}

std::string PlaceWithKey(const std::string& place) {
    const std::string input = "input ";
    if (place.rfind(input, 0) != 0) return place;
    const std::string control = place.substr(input.size());
    for (const SettingsKey& row : SettingsKeys())
        if (row.control == control) return input + row.key;
    return place;
}

std::string KeyValueProblem(const std::string& key, const std::string& value) {
    const SettingsKey* row = FindKey(key);
    // The downrange inputs are numbers and words the downrange engine checks when it reads them.
    if (row == nullptr && downrange::IsInputKey(key)) return "";
    if (row == nullptr) {
        const std::string nearest = NearestKey(key);
        std::string problem = "unknown key '" + Echoed(key) + "'";
        if (!nearest.empty()) problem += " (did you mean " + nearest + "?)";
        return problem;
    }
    const std::string given = key + "=" + Echoed(value);
    switch (row->kind) {
    case KeyKind::Text:
        return "";
    case KeyKind::Option:
        if (OneOf(Lower(value), {"true", "false"})) return "";
        return given + ": " + key + " takes True or False";
    case KeyKind::ListPosition:
        if (OneOf(value, {"0", "1", "2"})) return "";
        return given + ": " + key + " takes 0, 1 or 2 (smaller than, same size as, larger than the "
                                    "ferrule)";
    case KeyKind::CheckState:
        if (OneOf(value, {"0", "1"})) return "";
        return given + ": " + key + " takes 0 or 1";
    }
    return "";
}

} // namespace kesta
