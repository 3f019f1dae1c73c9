// The one writer under every saved file: whole bytes or nothing, the mode of the file it
// replaces, and a refusal that says why for what is no file to replace.
#include "settings/AtomicFile.h"

#include "settings/FileError.h"
#include "tests/common/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace kesta {
namespace {

class AtomicFileTest : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.Path(name); }
    QByteArray Bytes(const QString& name) const { return test::Bytes(Path(name)); }

    // The reason the write gives, "<written>" when it succeeds.
    QString ReasonOf(const QString& name, const QByteArray& bytes) const {
        try {
            WriteFileAtomically(Path(name), bytes);
        } catch (const FileError& e) {
            EXPECT_EQ(e.path(), Path(name));
            return e.reason();
        }
        return QStringLiteral("<written>");
    }

    static mode_t ModeOf(const QString& path) {
        struct stat info = {};
        return ::stat(qPrintable(path), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    test::TempFolder dir_;
};

TEST_F(AtomicFileTest, NewAndReplacedFilesHoldTheBytesAndTheRightMode) {
    const QByteArray text("line\r\n\0binary\xff", 15);
    EXPECT_EQ(ReasonOf("deep/er/new.txt", text), "<written>"); // folders are made on the way
    EXPECT_EQ(Bytes("deep/er/new.txt"), text);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(ModeOf(Path("deep/er/new.txt")), 0666 & ~mask) << "as any new file gets";

    ASSERT_EQ(::chmod(qPrintable(Path("deep/er/new.txt")), 0640), 0);
    EXPECT_EQ(ReasonOf("deep/er/new.txt", "shorter"), "<written>");
    EXPECT_EQ(Bytes("deep/er/new.txt"), "shorter");
    EXPECT_EQ(ModeOf(Path("deep/er/new.txt")), 0640u) << "the replaced file's mode stays";
    EXPECT_EQ(QDir(Path("deep/er")).entryList(QDir::Files | QDir::Hidden),
              QStringList{"new.txt"});
}

TEST_F(AtomicFileTest, WhatIsNoFileIsNeverReplaced) {
    ASSERT_EQ(::mkfifo(qPrintable(Path("pipe")), 0600), 0); // opening it would block
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
    ASSERT_TRUE(QFile::link(Path("nowhere"), Path("dangling")));
    const std::pair<QString, QString> rows[] = {{"pipe", "it is a named pipe"},
                                                {"folder", "it is a folder"},
                                                {"dangling", "it is a link to nothing"}};
    for (const auto& [name, reason] : rows) {
        EXPECT_EQ(ReasonOf(name, "x"), reason) << name.toStdString();
        struct stat info = {};
        ASSERT_EQ(::lstat(qPrintable(Path(name)), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode)) << name.toStdString() << " was replaced";
    }
    EXPECT_FALSE(QFile::exists(Path("nowhere")));
}

} // namespace
} // namespace kesta
