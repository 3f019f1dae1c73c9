// The store under damage: damaged files save whole and without a false alarm; what is not a
// readable file (a folder, a pipe, a device, a socket, a broken link, no permission) is told,
// loads as a first run without blocking and is left alone; a write that fails (read-only
// folder, full disk) leaves the old file byte for byte.
#include "settings/SettingsStore.h"

#include "form/SettingsKeys.h"
#include "settings/FileError.h"
#include "settings/RecentSetups.h"
#include "tests/common/TestFiles.h"
#include "tools/Errors.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kesta {
namespace {

using test::Bytes;
using test::WriteFile;

FormState FirstRun() {
    FormState form;
    LoadSettings(form, [](const std::string&) { return std::nullopt; });
    return form;
}

// A form that differs from the first run in every kind of key.
FormState Edited() {
    FormState form = FirstRun();
    form.SetText("InArrowSpeed", "287");
    form.SetText("InBroadhead_3", "a,b \"c\"");
    form.SetSelected("ChosenMetric", true);
    form.SetSelected("Safety_2", true);
    form.SetShaftDiameter(2);
    form.SetCutOnContact(1);
    return form;
}

// What loading the file gives now, through a store of its own.
FormState Loaded(const QString& path) {
    FormState form;
    SettingsStore(path).Load(form);
    return form;
}

// A hang in a test below ends the test binary instead of the ctest time limit.
class Watchdog {
  public:
    Watchdog() { alarm(20); }
    ~Watchdog() { alarm(0); }
};

// An AF_UNIX socket bound at `path`, as a local server leaves one; closed at the end.
class BoundSocket {
  public:
    explicit BoundSocket(const QString& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        bound_ = fd_ >= 0 && name.size() < qsizetype(sizeof address.sun_path) &&
                 (std::memcpy(address.sun_path, name.constData(), name.size()),
                  bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
    }
    ~BoundSocket() {
        if (fd_ >= 0) close(fd_);
    }
    bool bound() const { return bound_; }

  private:
    int fd_;
    bool bound_ = false;
};

class StoreDamageTest : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.Path(name); }
    test::TempFolder dir_;
};

TEST_F(StoreDamageTest, DamagedFilesSaveWholeWithoutAFalseAlarm) {
    const QByteArray damaged[] = {
        "[values]\nspeed=300\nstaticsp",              // cut off in a key
        "[values]\nspeed=300\nmass=\"400\nlength=28", // unterminated quote
        "[values]\nspeed=@Variant(garbage)\n[values", // no value type, unclosed group
        QByteArray("[values]\nspeed=300\n\xff\xfe\0\x01=x\n", 24),
        // Keys that QSettings folds into a saved one when it writes them again (found by
        // fuzzing: the saved value must still win).
        "[values]\nspeed6300Fafse\nSafety3=1inCOC=\nS\xa5leedm=Fas\n:speed6300Fafse\n"
        "\\Safety3=1inCOC=\nS\xa5leSafety4=edm=Fas\n",
    };
    for (const QByteArray& bytes : damaged) {
        const QString ini = Path("damaged.ini");
        WriteFile(ini, bytes);
        SettingsStore store(ini);
        EXPECT_TRUE(store.Unreadable().isEmpty()); // damage is not unreadability
        FormState form;
        store.Load(form);
        form.SetText("InArrowMass", "412");
        EXPECT_NO_THROW(store.Save(form)) << bytes.toStdString();
        EXPECT_EQ(Loaded(ini), form) << bytes.toStdString();
        QSettings written(ini, QSettings::IniFormat);
        written.beginGroup("values");
        for (const auto& row : SettingsKeys())
            EXPECT_TRUE(written.contains(QString::fromStdString(row.key))) << row.key;
        EXPECT_EQ(written.status(), QSettings::NoError) << bytes.toStdString();
    }
}

TEST_F(StoreDamageTest, WhatIsNotAFileIsToldLoadsAsAFirstRunAndIsLeftAlone) {
    const Watchdog watchdog; // QSettings would block for ever on the pipe
    ASSERT_EQ(mkfifo(qPrintable(Path("pipe.ini")), 0600), 0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.ini"));
    ASSERT_TRUE(QFile::link(Path("absent.ini"), Path("dangling.ini")));
    ASSERT_TRUE(QFile::link(Path("loop.ini"), Path("loop.ini")));
    ASSERT_TRUE(QFile::link("/dev/zero", Path("device.ini"))); // read for ever, never ending
    const BoundSocket socket(Path("socket.ini"));
    ASSERT_TRUE(socket.bound()) << strerror(errno);
    const std::pair<const char*, const char*> rows[] = {{"pipe.ini", "named pipe"},
                                                        {"folder.ini", "folder"},
                                                        {"dangling.ini", "link to nothing"},
                                                        {"loop.ini", "link that loops"},
                                                        {"device.ini", "device"},
                                                        {"socket.ini", "socket"}};
    for (const auto& [name, why] : rows) {
        const QString ini = Path(name);
        struct stat before = {};
        ASSERT_EQ(lstat(qPrintable(ini), &before), 0);
        SettingsStore store(ini);
        EXPECT_TRUE(store.Unreadable().contains(why))
            << name << ": " << qPrintable(store.Unreadable());
        FormState form;
        store.Load(form);
        EXPECT_EQ(form, FirstRun()) << name;
        EXPECT_EQ(store.Read("speed"), std::nullopt) << name;
        try {
            store.Save(Edited());
            ADD_FAILURE() << name << " written over";
        } catch (const FileError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::PathFileAccess) << name;
            EXPECT_EQ(e.reason(), store.Unreadable()) << name; // the save says why
            EXPECT_EQ(e.path(), ini) << name;
        }
        EXPECT_THROW(store.SetValue("speed", "1"), RuntimeError) << name;
        RecentSetups recent(ini); // kept in the same file: neither read nor written
        recent.Add(Path("hunt.kesta"));
        EXPECT_TRUE(recent.Files().isEmpty()) << name;
        struct stat after = {};
        ASSERT_EQ(lstat(qPrintable(ini), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << name;
        EXPECT_EQ(after.st_ino, before.st_ino) << name;
    }
    // A missing file, or one under a "folder" that is a file, is a first run and no alarm.
    WriteFile(Path("plain"), "x");
    for (const char* name : {"none.ini", "plain/s.ini"}) {
        EXPECT_TRUE(SettingsStore(Path(name)).Unreadable().isEmpty()) << name;
        EXPECT_EQ(Loaded(Path(name)), FirstRun()) << name;
    }
}

// Runs `check` in a child process as an ordinary user (nobody) when this one is the superuser,
// whom no file permission stops; its exit status tells. Else in this process.
template <typename Check> void AsOrdinaryUser(Check check) {
    if (geteuid() != 0) {
        EXPECT_TRUE(check());
        return;
    }
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
        _exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "as user nobody";
}

TEST_F(StoreDamageTest, AFileWithoutReadPermissionIsToldAndLeftAlone) {
    const QString ini = Path("private.ini");
    WriteFile(ini, "[values]\nspeed=300\n");
    ASSERT_TRUE(QFile::setPermissions(ini, QFile::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) |
                                                       QFile::ExeOther | QFile::ReadOther));
    AsOrdinaryUser([&ini] {
        SettingsStore store(ini);
        FormState form;
        store.Load(form);
        bool refused = false;
        try {
            store.Save(Edited());
        } catch (const RuntimeError&) {
            refused = true;
        }
        return store.Unreadable() == "permission denied" && form == FirstRun() && refused;
    });
    EXPECT_EQ(Bytes(ini), "[values]\nspeed=300\n");
}

// Saves `form` to `ini` in a child process whose files may not grow past `limit` bytes: 0 when
// the save raised PathFileAccess saying why, 1 when it succeeded, 2 otherwise.
int SaveWithFileSizeLimit(const QString& ini, const FormState& form, qint64 limit) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit bytes{static_cast<rlim_t>(limit), static_cast<rlim_t>(limit)};
        setrlimit(RLIMIT_FSIZE, &bytes);
        try {
            SettingsStore(ini).Save(form);
        } catch (const FileError& e) {
            _exit(e.reason() == "the file would grow past the size allowed" && e.path() == ini ? 0
                                                                                             : 2);
        }
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}

// Sets or clears the immutable attribute of a folder: no file in it can then be created,
// renamed or removed, even by the superuser. False where the file system or the user cannot.
bool SetImmutable(const QString& folder, bool on) {
    const int fd = open(qPrintable(folder), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return done;
}

TEST_F(StoreDamageTest, AFailedWriteLeavesTheOldFileByteForByte) {
    const QString folder = Path("conf"), ini = Path("conf/KESTA.ini");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray old = "[values]\nspeed=300\nlength=28\n";
    WriteFile(ini, old);

    // A full disk: a file size limit makes writes past it fail, as ENOSPC would. QSettings
    // takes a write cut short anywhere in the file for a success, so limits all along it.
    FormState big = Edited();
    big.SetText("InBroadhead_5", std::string(3000, 'x'));
    SettingsStore(Path("size.ini")).Save(big);
    const qint64 size = QFileInfo(Path("size.ini")).size();
    ASSERT_GT(size, 3000);
    for (const qint64 limit : {qint64(64), size / 4, size / 2, size - 100, size - 2}) {
        EXPECT_EQ(SaveWithFileSizeLimit(ini, big, limit), 0) << "limit " << limit;
        EXPECT_EQ(Bytes(ini), old) << "limit " << limit;
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"KESTA.ini"});
    }
    // Only the last line end cut off: the file reads back whole, and may then replace the old.
    if (SaveWithFileSizeLimit(ini, big, size - 1) == 1)
        EXPECT_EQ(Loaded(ini), big);
    else
        EXPECT_EQ(Bytes(ini), old);
    EXPECT_EQ(SaveWithFileSizeLimit(ini, big, size + 64), 1); // room enough: saved
    EXPECT_EQ(Loaded(ini), big);
    WriteFile(ini, old);

    // A read-only folder: its permissions for an ordinary user, the immutable attribute for
    // the superuser (who writes through permissions).
    if (geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    } else if (!SetImmutable(folder, true)) {
        GTEST_SKIP() << "no way to make a folder read-only for the superuser here";
    }
    QString reason;
    try {
        SettingsStore(ini).Save(Edited());
    } catch (const FileError& e) {
        reason = e.reason();
    }
    const QByteArray after = Bytes(ini);
    SetImmutable(folder, false);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(reason, "permission denied");
    EXPECT_EQ(after, old);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"KESTA.ini"});
}

TEST_F(StoreDamageTest, ASaveKeepsLinksPermissionsAndOtherKeys) {
    ASSERT_TRUE(QDir().mkpath(Path("real")));
    const QString target = Path("real/KESTA.ini"), link = Path("KESTA.ini");
    WriteFile(target, "[values]\nspeed=300\nnote=kept\n[other]\nkey=also kept\n");
    ASSERT_TRUE(
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(target, link));
    SettingsStore(link).Save(Edited());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    const QFile::Permissions modeBits(0x7077); // owner, group and others; not "this user"
    EXPECT_EQ(QFile::permissions(target) & modeBits,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(Loaded(target), Edited());
    QSettings written(target, QSettings::IniFormat);
    EXPECT_EQ(written.value("values/note").toString(), "kept");
    EXPECT_EQ(written.value("other/key").toString(), "also kept");

    // The recent set-ups, written to the same file while the store is open, stay too.
    SettingsStore store(Path("recent.ini"));
    RecentSetups(Path("recent.ini")).Add(Path("hunt.kesta"));
    store.Save(Edited());
    EXPECT_EQ(RecentSetups(Path("recent.ini")).Files(), QStringList{Path("hunt.kesta")});
    EXPECT_EQ(Loaded(Path("recent.ini")), Edited());
}

TEST(StoreUserFile, IsTheFileQSettingsKeepsForKesta) {
    // QSettings settles its user folder once per process, at its first use: here.
    const test::TempFolder config;
    const test::ConfigHomeAt home(config.path());
    const QSettings qt(QSettings::IniFormat, QSettings::UserScope, "KESTA", "KESTA");
    EXPECT_EQ(SettingsStore().FileName().toStdString(), qt.fileName().toStdString());
    EXPECT_EQ(qt.fileName(), config.Path("KESTA/KESTA.ini"));
}

} // namespace
} // namespace kesta
