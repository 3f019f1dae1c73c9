// What every output of kesta-report shares: writing bytes to a stream and the error line.
#pragma once

#include <cstdio>
#include <string>

namespace kesta::cli {

// Exit status of a report or a needs table that stopped with an error.
constexpr int kStopped = 3;

void Write(std::FILE* stream, const std::string& text);

// Writes "error: <message>" to standard error; returns kStopped.
int Fail(const std::string& message);

// Writes `text`, whose lines end in CR LF as in the report box, to standard output: as it is
// with `crlf`, otherwise with LF line ends. Returns 0, or kStopped when standard output
// cannot take it.
int WriteOut(const std::string& text, bool crlf);

} // namespace kesta::cli
