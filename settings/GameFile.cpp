#include "settings/GameFile.h"

#include "ballistics/GameListText.h"
#include "tools/Errors.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kesta {

namespace {

[[noreturn]] void Fail(ErrorKind kind, const std::string& reason, const std::string& path) {
    throw RuntimeError(kind, reason, path);
}

std::string ReasonOf(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "permission denied";
    case EISDIR:
        return "it is a folder, not a game list";
    case ENOENT:
    case ENOTDIR:
        return ErrorMessage(ErrorKind::FileNotFound);
    default:
        return std::strerror(error);
    }
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

} // namespace

std::string ReadGameFileBytes(const std::string& path) {
    // O_NONBLOCK: opening a named pipe for reading would wait for a writer.
    const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0) {
        const int error = errno;
        Fail(error == ENOENT || error == ENOTDIR ? ErrorKind::FileNotFound
                                                 : ErrorKind::PathFileAccess,
             ReasonOf(error), path);
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) Fail(ErrorKind::PathFileAccess, ReasonOf(errno), path);
    if (S_ISDIR(status.st_mode))
        Fail(ErrorKind::PathFileAccess, "it is a folder, not a game list", path);
    if (S_ISFIFO(status.st_mode))
        Fail(ErrorKind::PathFileAccess, "it is a named pipe, not a game list", path);
    if (!S_ISREG(status.st_mode))
        Fail(ErrorKind::PathFileAccess, "it is not a regular file, not a game list", path);
    if (status.st_size > static_cast<off_t>(game::kMostGameListBytes))
        Fail(ErrorKind::PathFileAccess, "the file is over 1 MB: no game list is that long", path);
    std::string bytes;
    char buffer[65536];
    while (true) {
        const ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) Fail(ErrorKind::PathFileAccess, ReasonOf(errno), path);
        if (got == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // A file that grew after fstat is still held to the limit.
        if (bytes.size() > game::kMostGameListBytes)
            Fail(ErrorKind::PathFileAccess, "the file is over 1 MB: no game list is that long",
                 path);
    }
    return bytes;
}

game::GameTable ReadGameFile(const std::string& path) {
    return game::ReadGameList(ReadGameFileBytes(path), path);
}

game::GameTable GameTableOf(const std::string& nameOrPath) {
    if (const game::GameTable* table = game::FindBuiltInTable(nameOrPath)) return *table;
    return ReadGameFile(nameOrPath);
}

} // namespace kesta
