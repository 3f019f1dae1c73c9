// The list file: one item per line, every line (the last included) ended by CR LF, one byte per
// character. Files are binary streams so that no platform translates line ends, and they close
// when the stream goes out of scope, on failure as well.
//
// Reading: a line ends at CR, and an LF right after that CR belongs to the line end. An LF
// anywhere else is an ordinary character of the line, so items holding a lone LF come back
// unchanged. The last line counts even without a line end after it.
#include "stringstack/StringStack.h"
#include "tools/Errors.h"

#include <fstream>
#include <ios>
#include <utility>

namespace kesta {
namespace {

std::string ReadWholeFile(const std::string& filename) {
    std::fstream file(filename, std::ios::in | std::ios::binary);
    if (!file.is_open()) throw RuntimeError(ErrorKind::FileNotFound);
    std::string content;
    char buffer[4096];
    for (;;) {
        file.read(buffer, sizeof buffer);
        content.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (!file) break;
    }
    // Stopping anywhere but at the end of the file (a directory, a read error) is an access
    // failure, not a short list.
    if (file.bad() || !file.eof()) throw RuntimeError(ErrorKind::PathFileAccess);
    return content;
}

std::vector<std::string> LinesOf(const std::string& content) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t cr = content.find('\r', start);
        if (cr == std::string::npos) {
            lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, cr - start));
        start = cr + 1;
        if (start < content.size() && content[start] == '\n') ++start;
    }
    return lines;
}

} // namespace

// The text is built before the file is opened, so a list that cannot be written out leaves an
// existing file as it was.
void StringStack::Save(const std::string& filename) const {
    const std::string text = asString("\r\n") + "\r\n";
    std::fstream file(filename, std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file.is_open()) throw RuntimeError(ErrorKind::PathFileAccess);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (file.fail()) throw RuntimeError(ErrorKind::PathFileAccess);
}

// The whole file is read and checked before the list changes: a missing or unreadable file,
// or more lines than a 16-bit count holds, leaves the list as it was.
void StringStack::Load(const std::string& filename) {
    const std::vector<std::string> lines = LinesOf(ReadWholeFile(filename));
    if (lines.size() > static_cast<std::size_t>(MaxDepth)) throw RuntimeError(ErrorKind::Overflow);
    StringStack loaded;
    for (const std::string& line : lines)
        loaded.Queue(line);
    *this = std::move(loaded);
}

} // namespace kesta
