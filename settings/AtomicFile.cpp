#include "settings/AtomicFile.h"

#include "settings/FileError.h"
#include "settings/StoreFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kesta {

namespace {

// A temporary file beside the target, removed again unless it replaced the target.
class TemporaryBeside {
  public:
    TemporaryBeside(const QString& target, const QString& shown) : shown_(shown) {
        name_ = QFile::encodeName(target) + ".XXXXXX";
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        if (fd_ < 0) Fail(errno);
    }
    ~TemporaryBeside() {
        if (fd_ >= 0) ::close(fd_);
        if (!renamed_) ::unlink(name_.constData());
    }
    TemporaryBeside(const TemporaryBeside&) = delete;
    TemporaryBeside& operator=(const TemporaryBeside&) = delete;

    void Write(const QByteArray& bytes) {
        for (qint64 done = 0; done < bytes.size();) {
            const ssize_t n = ::write(fd_, bytes.constData() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) Fail(n < 0 ? errno : ENOSPC);
            done += n;
        }
        if (::fdatasync(fd_) != 0) Fail(errno);
    }

    // The bytes on the disk, compared with those written: a file system may take a write and
    // still hold something else.
    void ReadBack(const QByteArray& bytes) {
        QByteArray found(bytes.size() + 1, '\0');
        qint64 got = 0;
        while (got < found.size()) {
            const ssize_t n = ::pread(fd_, found.data() + got, found.size() - got, got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) Fail(errno);
            if (n == 0) break;
            got += n;
        }
        if (got != bytes.size() || found.left(got) != bytes)
            throw FileError(shown_, QStringLiteral("it read back different from what was written"));
    }

    void Chmod(mode_t mode) {
        if (::fchmod(fd_, mode) != 0) Fail(errno);
    }

    void RenameTo(const QString& target) {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) Fail(errno);
        if (std::rename(name_.constData(), QFile::encodeName(target).constData()) != 0)
            Fail(errno);
        renamed_ = true;
    }

  private:
    [[noreturn]] void Fail(int error) const { throw FileError(shown_, ReasonOf(error)); }

    QString shown_;
    QByteArray name_;
    int fd_ = -1;
    bool renamed_ = false;
};

// The file a link leads to, else the path itself.
QString Target(const QString& path) {
    const QFileInfo info(path);
    return info.isSymLink() ? info.canonicalFilePath() : path;
}

// What a new file gets: what the user's umask leaves of rw for all.
mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    // A pipe, device or folder put at the path is not ours to replace.
    const StoreFile found = CheckStoreFile(path);
    if (found.state == StoreFile::State::Unreadable) throw FileError(path, found.why);
    const QString target = Target(path);
    std::error_code made;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(QFileInfo(target).absolutePath()).toStdString()),
        made);
    if (made) throw FileError(path, ReasonOf(made.value()));

    TemporaryBeside fresh(target, path);
    struct stat old = {};
    fresh.Chmod(::stat(QFile::encodeName(target).constData(), &old) == 0 ? old.st_mode & 07777
                                                                          : NewFileMode());
    fresh.Write(bytes);
    fresh.ReadBack(bytes);
    fresh.RenameTo(target);
}

} // namespace kesta
