#include "tools/Text.h"

namespace kesta::text {

std::vector<std::string> SplitAll(const std::string& text, std::string_view delimiter) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (delimiter.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(delimiter, start);
        if (found == std::string::npos) break;
        pieces.push_back(text.substr(start, found - start));
        start = found + delimiter.size();
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to) {
    if (from.empty()) return text;
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(from, start);
        if (found == std::string::npos) break;
        result.append(text, start, found - start);
        result.append(to);
        start = found + from.size();
    }
    result.append(text, start);
    return result;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string TrimSpaces(const std::string& text) {
    return std::string(TrimBlanks(text));
}

const std::string& PieceOrEmpty(const std::vector<std::string>& pieces, std::size_t i) {
    static const std::string empty;
    return i < pieces.size() ? pieces[i] : empty;
}

std::string ToCrLf(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            result += "\r\n";
        } else if (c == '\n') {
            result += "\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

std::string CrLfToLf(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        result += text[i];
    }
    return result;
}

std::size_t CountCrLf(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

std::string ShownShort(std::string_view text, std::size_t characters) {
    std::string shown;
    std::size_t counted = 0;
    int continued = 3;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool startsCharacter = (byte & 0xC0) != 0x80 || continued == 3;
        continued = startsCharacter ? 0 : continued + 1;
        if (startsCharacter && counted++ == characters) return shown + "\xE2\x80\xA6"; // …
        shown += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return shown;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted(1, '"');
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace kesta::text
