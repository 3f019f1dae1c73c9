// The text helpers every layer shares: trimming, splitting, replacing and line ends.
// Splitting follows the string list's own rules rather than a tokenizer's: every occurrence
// cuts, empty pieces are kept, and the empty text has no pieces.
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

// The text without leading and trailing blanks (only the space character counts: tabs and
// other white space are part of a stored or typed text).
std::string_view TrimBlanks(std::string_view text);
std::string TrimSpaces(const std::string& text);

// Element i of `pieces`, or the empty text when the array is shorter.
const std::string& PieceOrEmpty(const std::vector<std::string>& pieces, std::size_t i);

// Line ends. The report box holds CR LF after every line; editors and terminals use LF.
// ToCrLf makes every CR LF, lone CR and lone LF one CR LF; CrLfToLf makes each CR LF an LF and
// leaves lone CRs as they are.
std::string ToCrLf(std::string_view text);
std::string CrLfToLf(std::string_view text);
// The number of CR LF pairs, that is of finished lines in a report box text.
std::size_t CountCrLf(std::string_view text);

// One CSV field (RFC 4180): quoted, its quotes doubled, when it holds a comma, a quote or a
// line break; otherwise as it is.
std::string CsvField(const std::string& text);

// A text a message quotes back to the user: at most `characters` characters, then "…". A
// text from a file or the command line may hold anything: a control character (a line break,
// a terminal's escape) would break the message's line or act on the terminal, so each shows
// as "?"; a character is a lead byte and at most three continuation bytes, so a run of stray
// continuation bytes (no UTF-8) is cut too.
std::string ShownShort(std::string_view text, std::size_t characters);

} // namespace kesta::text
