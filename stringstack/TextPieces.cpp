#include "stringstack/TextPieces.h"

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

std::string TrimSpaces(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

const std::string& PieceOrEmpty(const std::vector<std::string>& pieces, std::size_t i) {
    static const std::string empty;
    return i < pieces.size() ? pieces[i] : empty;
}

} // namespace kesta::text
