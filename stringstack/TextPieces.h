// Text helpers the string list is built on. Splitting follows the list's own rules rather than
// a tokenizer's: every occurrence cuts, empty pieces are kept, and the empty text has no pieces.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kesta::text {

// The pieces of `text` between occurrences of `delimiter`, searched left to right without
// overlap. The empty text gives no pieces; an empty delimiter gives the whole text as one piece.
std::vector<std::string> SplitAll(const std::string& text, std::string_view delimiter);

// Every occurrence of `from` (left to right, without overlap) replaced by `to`.
std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to);

// The text without leading and trailing spaces (only the space character counts).
std::string TrimSpaces(const std::string& text);

// Element i of `pieces`, or the empty text when the array is shorter.
const std::string& PieceOrEmpty(const std::vector<std::string>& pieces, std::size_t i);

} // namespace kesta::text
