#include "cli/Output.h"

#include "tools/Errors.h"
#include "tools/Text.h"

#include <cerrno>
#include <cstring>

namespace kesta::cli {

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int Fail(const std::string& message) {
    Write(stderr, "error: " + message + "\n");
    return kStopped;
}

int WriteOut(const std::string& text, bool crlf) {
    errno = 0;
    Write(stdout, crlf ? text : text::CrLfToLf(text));
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        std::string message = std::string(ErrorMessage(ErrorKind::PathFileAccess)) +
                              ": standard output could not be written";
        if (error != 0) message += std::string(": ") + std::strerror(error);
        return Fail(message);
    }
    return 0;
}

} // namespace kesta::cli
