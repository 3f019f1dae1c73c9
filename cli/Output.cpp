#include "cli/Output.h"

#include "tools/Errors.h"
#include "tools/Text.h"

namespace kesta::cli {

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int Fail(const std::string& message) {
    Write(stderr, "error: " + message + "\n");
    return kStopped;
}

int WriteOut(const std::string& text, bool crlf) {
    Write(stdout, crlf ? text : text::CrLfToLf(text));
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail(ErrorMessage(ErrorKind::PathFileAccess));
    return 0;
}

} // namespace kesta::cli
