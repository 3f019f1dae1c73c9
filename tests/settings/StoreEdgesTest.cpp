// The store at its edges: a file the user made read-only is kept as it is; what a save killed
// in the middle left beside the store is cleared once it is surely stale; two windows on one
// store keep each other's changes; a path swapped under the reader never blocks it.
#include "settings/RecentSetups.h"
#include "settings/SettingsStore.h"
#include "settings/SetupFile.h"
#include "settings/StaleFiles.h"

#include "settings/FileError.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace kesta {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes, std::time_t age = 0) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    const std::time_t then = std::time(nullptr) - age;
    const utimbuf times{then, then};
    ASSERT_EQ(utime(qPrintable(path), &times), 0);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(StoreEdges, AReadOnlyStoreIsNotReplaced) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("KESTA.ini"), link = dir.filePath("link.ini");
    const QByteArray old = "[values]\nspeed=300\n";
    WriteFile(ini, old);
    ASSERT_EQ(chmod(qPrintable(ini), 0444), 0);
    ASSERT_TRUE(QFile::link(ini, link));
    FormState form;
    form.SetText("InArrowSpeed", "250");
    for (const QString& path : {ini, link}) { // through a link as well
        SettingsStore store(path);
        try {
            store.Save(form);
            ADD_FAILURE() << "saved over a read-only store";
        } catch (const FileError& e) {
            EXPECT_EQ(e.reason(), "the file is read-only");
            EXPECT_EQ(FileMessage("The inputs were not saved", e),
                      "The inputs were not saved: the file is read-only.\nFile: " + path);
        }
        struct stat info = {};
        ASSERT_EQ(stat(qPrintable(ini), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0444u);
        EXPECT_EQ(Bytes(ini), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  (QStringList{"KESTA.ini", "link.ini"}));
    }
    // Writable again by the owner alone: saved.
    ASSERT_EQ(chmod(qPrintable(ini), 0600), 0);
    SettingsStore store(ini);
    EXPECT_NO_THROW(store.Save(form));
    EXPECT_EQ(SettingsStore(ini).Read("speed"), "250");
}

TEST(StoreEdges, StaleFilesOfAKilledSaveAreRemovedAndNothingElse) {
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return dir.filePath(name); };
    const std::time_t old = 120, young = 5;
    WriteFile(path("KESTA.ini"), "[values]\nspeed=300\n", old);
    const char* stale[] = {"KESTA.ini.Ab12Cd", "KESTA.ini.Ab12Cd.lock", "KESTA.ini.lock",
                           "KESTA.ini.Ab12Cd.xY98zW"};
    for (const char* name : stale)
        WriteFile(path(name), "left by a killed save", old);
    const char* kept[] = {"KESTA.ini.Zz9999",      // a save of another window, just now
                          "KESTA.ini.bak",         // no temporary name
                          "KESTA.ini.Ab12Cd~",     // nor this
                          "OTHER.ini.Ab12Cd",      // another file's
                          "notes.txt"};
    WriteFile(path(kept[0]), "saving", young);
    for (const char* name : {kept[1], kept[2], kept[3], kept[4]})
        WriteFile(path(name), "the user's", old);
    // An old lock still held by a running program.
    QLockFile held(path("KESTA.ini.Lk0000.lock"));
    ASSERT_TRUE(held.tryLock());
    const utimbuf times{std::time(nullptr) - old, std::time(nullptr) - old};
    ASSERT_EQ(utime(qPrintable(path("KESTA.ini.Lk0000.lock")), &times), 0);
    // A link with a stale name is no file of the writer's.
    ASSERT_TRUE(QFile::link(path("notes.txt"), path("KESTA.ini.Ln1234")));

    EXPECT_EQ(RemoveStaleWriterFiles(path("KESTA.ini")), 4);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    QStringList expected{"KESTA.ini", "KESTA.ini.Lk0000.lock", "KESTA.ini.Ln1234"};
    for (const char* name : kept)
        expected << name;
    left.sort();
    expected.sort();
    EXPECT_EQ(left, expected);
    EXPECT_EQ(Bytes(path("KESTA.ini")), "[values]\nspeed=300\n");

    // Beside the file a link to the store leads to.
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    WriteFile(path("real/KESTA.ini"), "[values]\n", old);
    WriteFile(path("real/KESTA.ini.Qw12Er"), "left", old);
    ASSERT_TRUE(QFile::link(path("real/KESTA.ini"), path("link.ini")));
    EXPECT_EQ(RemoveStaleWriterFiles(path("link.ini")), 1);
    EXPECT_FALSE(QFile::exists(path("real/KESTA.ini.Qw12Er")));
}

TEST(StoreEdges, TwoWindowsKeepEachOthersChangesAndRecentSetUps) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("KESTA.ini");
    WriteFile(ini, "[values]\nspeed=300\nmass=400\n");
    SettingsStore a(ini), b(ini); // two windows, both started on this store
    FormState inA, inB;
    a.Load(inA);
    b.Load(inB);
    RecentSetups(ini).Add(dir.filePath("a.kesta")); // A opens a file
    inA.SetText("InArrowSpeed", "250");
    a.Save(inA);
    RecentSetups(ini).Add(dir.filePath("b.kesta")); // then B opens one
    inB.SetText("InArrowMass", "500");
    b.Save(inB);
    a.Save(inA); // A closes later, with nothing changed since its save
    FormState now;
    SettingsStore(ini).Load(now);
    EXPECT_EQ(now.Text("InArrowSpeed"), "250");
    EXPECT_EQ(now.Text("InArrowMass"), "500");
    EXPECT_EQ(RecentSetups(ini).Files(),
              (QStringList{dir.filePath("b.kesta"), dir.filePath("a.kesta")}));
    // Every key is in the file, and a key both changed is the last save's.
    QSettings written(ini, QSettings::IniFormat);
    written.beginGroup("values");
    EXPECT_EQ(written.childKeys().size(), 46);
    inB.SetText("InArrowSpeed", "260");
    b.Save(inB);
    FormState last;
    SettingsStore(ini).Load(last);
    EXPECT_EQ(last.Text("InArrowSpeed"), "260");
    EXPECT_EQ(last.Text("InArrowMass"), "500");
}

TEST(StoreEdges, AFreshStoresFirstSaveWritesEveryKey) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("new/KESTA.ini");
    SettingsStore store(ini);
    FormState form;
    store.Load(form); // a first run: nothing changed yet
    store.Save(form);
    QSettings written(ini, QSettings::IniFormat);
    written.beginGroup("values");
    EXPECT_EQ(written.childKeys().size(), 46);
}

// Swaps `path` between a regular file and a named pipe as fast as it can, in a child process,
// until destroyed.
class PathSwapper {
  public:
    PathSwapper(const QString& path, const QString& fifo) {
        child_ = fork();
        if (child_ == 0) {
            for (;;)
                renameat2(AT_FDCWD, qPrintable(fifo), AT_FDCWD, qPrintable(path), RENAME_EXCHANGE);
        }
    }
    ~PathSwapper() {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }

  private:
    pid_t child_;
};

TEST(StoreEdges, APathSwappedWithANamedPipeNeitherBlocksNorSlipsThrough) {
    QTemporaryDir dir;
    const QString path = dir.filePath("hunt.kesta"), fifo = dir.filePath("pipe");
    WriteFile(path, "[values]\nspeed=271\n");
    ASSERT_EQ(mkfifo(qPrintable(fifo), 0600), 0);
    alarm(60); // a read that blocks ends the test binary
    int files = 0, pipes = 0;
    {
        const PathSwapper swapper(path, fifo);
        for (int round = 0; round < 3000; ++round) {
            const SetupFileRead read = ReadSetupFile(path);
            if (read.contents) {
                ++files;
                EXPECT_EQ(read.contents->values.at("speed"), "271");
            } else {
                ++pipes;
                EXPECT_EQ(read.problem, "it is a named pipe"); // the swap is atomic
            }
            const SettingsStore store(path);
            EXPECT_TRUE(store.Unreadable().isEmpty() ? store.Read("speed") == "271"
                                                     : store.Unreadable() == "it is a named pipe")
                << qPrintable(store.Unreadable());
        }
    }
    alarm(0);
    EXPECT_GT(files, 0);
    EXPECT_GT(pipes, 0);
}

} // namespace
} // namespace kesta
