#include "ballistics/GameListText.h"

#include "tools/Errors.h"
#include "tools/NumberText.h"
#include "tools/Text.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace kesta::game {

namespace {

constexpr const char* kBelowLightest =
    " is below 1 kg, where the chest depth of the verdict rule (8 x mass^0.2 - 8 inches) "
    "falls below 0";

// Where a line of the text stands, for the error.
struct Where {
    const std::string& file;
    std::size_t line;
};

[[noreturn]] void Fail(const Where& where, const std::string& reason,
                       ErrorKind kind = ErrorKind::InvalidProcedureCall) {
    throw RuntimeError(kind, reason, where.file + ", line " + std::to_string(where.line));
}

// The length of the UTF-8 sequence that starts `text` at `i`, or 0 when it is not one
// (overlong forms, surrogates and code points beyond U+10FFFF included).
std::size_t Utf8Length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char first = byte(i);
    if (first < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        if (first == 0xE0) low = 0xA0;
        if (first == 0xED) high = 0x9F;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        if (first == 0xF0) low = 0x90;
        if (first == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// C0 controls, DEL, and the C1 controls U+0080 to U+009F (C2 80 to C2 9F in UTF-8).
bool HoldsControl(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            return true;
    }
    return false;
}

// One line split into fields; a field that starts with a quote runs to its closing quote,
// "" standing for one quote. Blanks around a field are not part of it.
std::vector<std::string> Fields(std::string_view line, const Where& where) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        std::string field;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size())
                    Fail(where, "not CSV: a quoted field is not closed on its line");
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            while (i < line.size() && line[i] == ' ')
                ++i;
            if (i < line.size() && line[i] != ',')
                Fail(where, "not CSV: text after the closing quote of a field");
        } else {
            const std::size_t end = std::min(line.find(',', i), line.size());
            field = text::TrimBlanks(line.substr(i, end - i));
            i = end;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) return fields;
        ++i; // the comma
    }
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Which column holds what, from the header.
struct Columns {
    bool pounds = false;
    std::optional<std::size_t> range, source;
    std::size_t count = 0;
};

std::optional<Columns> ColumnsOf(const std::vector<std::string>& header) {
    if (header.size() < 2 || Lower(header[0]) != "animal") return std::nullopt;
    Columns columns;
    const std::string mass = Lower(header[1]);
    if (mass != "mass_kg" && mass != "mass_lb") return std::nullopt;
    columns.pounds = mass == "mass_lb";
    for (std::size_t k = 2; k < header.size(); ++k) {
        const std::string name = Lower(header[k]);
        std::optional<std::size_t>& column = name == "range_kg" ? columns.range : columns.source;
        if ((name != "range_kg" && name != "source") || column) return std::nullopt;
        column = k;
    }
    columns.count = header.size();
    return columns;
}

double MassOf(const std::string& text, const Columns& columns, const Where& where) {
    const char* unit = columns.pounds ? "lb" : "kg";
    const std::string shown = "'" + text + "'"; // a temporary operand: GCC 12 warns falsely
    if (text.empty()) Fail(where, "the mass is missing", ErrorKind::TypeMismatch);
    if (!HoldsNumber(text))
        Fail(where,
             "the mass " + shown + " is not a number (a mass in " + unit +
                 ", a point before any decimals)",
             ErrorKind::TypeMismatch);
    double mass = 0;
    try {
        mass = ToNumber(text);
    } catch (const RuntimeError&) {
        mass = kHeaviestKg * 1e9; // beyond a double: far above the heaviest category
    }
    if (!(mass > 0)) Fail(where, "the mass " + text + " " + unit + " is not above 0");
    const double kg = columns.pounds ? mass * kKgPerPound : mass;
    if (kg < kLightestKg)
        Fail(where, "the mass " + text + " " + unit +
                        (columns.pounds ? " (" + Rounded(kg, 2) + " kg)" : std::string()) +
                        kBelowLightest);
    if (kg > kHeaviestKg)
        Fail(where, "the mass " + text + " " + unit +
                        (columns.pounds ? " (" + Rounded(kg, 1) + " kg)" : std::string()) +
                        " is above 5000 kg, the limit of the heaviest category");
    return kg;
}

} // namespace

std::string NameProblem(std::string_view name) {
    if (text::TrimBlanks(name).empty()) return "the animal's name is empty";
    if (name.find(',') != std::string_view::npos) return "the animal's name holds ','";
    if (name.find(':') != std::string_view::npos) return "the animal's name holds ':'";
    if (HoldsControl(name)) return "the animal's name holds a control character";
    return {};
}

std::string MassProblem(double massKg) {
    if (!(massKg > 0)) return "the mass " + NumberText(massKg) + " kg is not above 0";
    if (massKg < kLightestKg) return "the mass " + NumberText(massKg) + " kg" + kBelowLightest;
    if (massKg > kHeaviestKg)
        return "the mass " + NumberText(massKg) +
               " kg is above 5000 kg, the limit of the heaviest category";
    return {};
}

GameTable ReadGameList(std::string_view text, const std::string& file) {
    if (text.size() > kMostGameListBytes)
        throw RuntimeError(ErrorKind::PathFileAccess,
                           "the file is over 1 MB: no game list is that long", file);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    GameTable table{file, {}, {}};
    std::optional<Columns> columns;
    std::size_t lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const Where where{file, ++lineNumber};
        if (!IsUtf8(line)) Fail(where, "not UTF-8 text");
        if (line.find('\0') != std::string_view::npos)
            Fail(where, "not a CSV file: the line holds a zero byte");
        if (text::TrimBlanks(line).empty()) continue;
        const std::vector<std::string> fields = Fields(line, where);
        if (!columns) {
            columns = ColumnsOf(fields);
            if (!columns)
                Fail(where, "no header: the first line must be animal,mass_kg or animal,mass_lb "
                            "(then range_kg and source if wanted)");
            continue;
        }
        if (fields.size() != columns->count)
            Fail(where,
                 "not CSV: " + std::to_string(fields.size()) + " fields where the header has " +
                     std::to_string(columns->count) +
                     (fields.size() > columns->count ? " (a decimal comma? write 72.5)" : ""));
        if (table.animals.size() == kMostAnimals)
            Fail(where, "more than 1001 animals: the report has room for 1001");
        if (const std::string problem = NameProblem(fields[0]); !problem.empty())
            Fail(where, problem);
        Animal animal{fields[0], MassOf(fields[1], *columns, where)};
        if (columns->range) animal.rangeKg = fields[*columns->range];
        if (columns->source) animal.source = fields[*columns->source];
        table.animals.push_back(std::move(animal));
    }
    if (!columns)
        Fail({file, std::max<std::size_t>(lineNumber, 1)},
             "no header: the file is empty (the first line must be animal,mass_kg or "
             "animal,mass_lb)");
    if (table.animals.empty()) Fail({file, lineNumber + 1}, "no animals after the header");
    return table;
}

std::string GameListCsv(const GameTable& table) {
    const auto field = [](const std::string& text) {
        if (text.find_first_of(",\"") == std::string::npos && text == text::TrimBlanks(text))
            return text;
        std::string quoted(1, '"'); // appended, not "\"" + a temporary: GCC 12 warns falsely
        quoted += text::ReplaceAll(text, "\"", "\"\"");
        quoted += '"';
        return quoted;
    };
    const bool extras =
        std::any_of(table.animals.begin(), table.animals.end(),
                    [](const Animal& a) { return !a.rangeKg.empty() || !a.source.empty(); });
    std::string csv = extras ? "animal,mass_kg,range_kg,source\n" : "animal,mass_kg\n";
    for (const Animal& animal : table.animals) {
        csv += field(animal.name) + "," + ShortestText(animal.massKg);
        if (extras) {
            csv += ',';
            csv += field(animal.rangeKg);
            csv += ',';
            csv += field(animal.source);
        }
        csv += "\n";
    }
    return csv;
}

} // namespace kesta::game
