// Signals that end a session (SIGTERM, SIGHUP, SIGINT): the window saves the inputs and quits
// normally. The built kesta runs under the offscreen platform with a private configuration
// folder; SignalQuit itself is checked inside this process.
#include "window/SignalQuit.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include "tests/common/TestFiles.h"
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <sys/syscall.h>

namespace {

// How long the window may take to start, and to save and quit after a signal, before the
// test fails: ample on a loaded machine, short enough that a regression fails in seconds.
constexpr int kStartMs = 10000;
constexpr int kQuitMs = 5000;

// Whether process `pid` has a handler for `signal`, from its SigCgt mask in /proc.
bool Catches(qint64 pid, int signal) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return false;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

// Whether a thread of process `pid` is inside (or held at the entry of) system call `number`.
bool InSystemCall(qint64 pid, long number) {
    for (const QString& task : QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs)) {
        QFile call(QStringLiteral("/proc/%1/task/%2/syscall").arg(pid).arg(task));
        if (call.open(QIODevice::ReadOnly) && call.readAll().split(' ').front().toLong() == number)
            return true;
    }
    return false;
}

QStringList StoredKeys(const QString& ini) {
    QSettings stored(ini, QSettings::IniFormat);
    stored.beginGroup("values");
    return stored.childKeys();
}

} // namespace

class Form1SignalTest : public QObject {
    Q_OBJECT

    kesta::test::TempFolder dir_;
    std::unique_ptr<QProcess> kesta_;

    // The store of a private configuration folder, with `bytes` in it (none: no file).
    QString Store(const QString& name, const QByteArray& bytes) {
        const QString ini = dir_.Path(name + "/KESTA/KESTA.ini");
        QDir().mkpath(QFileInfo(ini).path());
        QFile file(ini);
        if (!bytes.isNull() && file.open(QIODevice::WriteOnly)) file.write(bytes);
        return ini;
    }

    // Starts kesta (under `wrapper` when given) on the configuration folder of `ini`; returns
    // once it has loaded the inputs and catches the signals.
    void Start(const QString& ini, const QStringList& wrapper = {}) {
        kesta_ = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QFileInfo(ini).path().chopped(QString("/KESTA").size()));
        kesta_->setProcessEnvironment(env);
        const QStringList command = wrapper + QStringList{KESTA_PATH};
        kesta_->start(command.front(), command.mid(1));
        QVERIFY(kesta_->waitForStarted());
        // Under a wrapper the window is its child: the newest process running kesta.
        QTRY_VERIFY_WITH_TIMEOUT(Catches(WindowPid(), SIGTERM), kStartMs);
    }

    // The window's process: kesta itself, or the wrapper's child.
    qint64 WindowPid() const {
        const qint64 started = kesta_->processId();
        if (kesta_->program() == KESTA_PATH) return started;
        for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
            QFile stat("/proc/" + entry + "/stat");
            if (!stat.open(QIODevice::ReadOnly)) continue;
            const QByteArray line = stat.readAll(); // "pid (name) state ppid ..."
            const QList<QByteArray> after = line.mid(line.lastIndexOf(')') + 2).split(' ');
            if (after.size() > 1 && after[1].toLongLong() == started) return entry.toLongLong();
        }
        return -1;
    }

    // Sends `signal` to the window, never to a process group or to everyone.
    void Send(int signal) {
        const qint64 pid = WindowPid();
        QVERIFY(pid > 1);
        QCOMPARE(::kill(static_cast<pid_t>(pid), signal), 0);
    }

    void ExpectQuitNormally() {
        QVERIFY(kesta_->waitForFinished(kQuitMs));
        QCOMPARE(kesta_->exitStatus(), QProcess::NormalExit);
        QCOMPARE(kesta_->exitCode(), 0);
    }

  private slots:
    void eachEndingSignalSavesAndQuits() {
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            const QString ini = Store(QString::number(signal), "[values]\nspeed=123\nBH0=0.5\n");
            Start(ini);
            Send(signal);
            ExpectQuitNormally();
            QCOMPARE(StoredKeys(ini).size(), 46); // saved by the window, not just left
            const QSettings stored(ini, QSettings::IniFormat);
            QCOMPARE(stored.value("values/speed").toString(), QString("123"));
            QCOMPARE(stored.value("values/inEdge").toString(), QString("25"));
        }
    }

    void signalsDuringTheSaveChangeNothing() {
        // Three signals at once: the later ones arrive while the first is being handled.
        const QString ini = Store("burst", "[values]\nspeed=77\n");
        Start(ini);
        for (const int signal : {SIGTERM, SIGHUP, SIGINT, SIGTERM})
            Send(signal);
        ExpectQuitNormally();
        QCOMPARE(StoredKeys(ini).size(), 46);

        // A signal while the file is being flushed: strace holds fdatasync for a second.
        if (QStandardPaths::findExecutable("strace").isEmpty()) QSKIP("strace is not installed");
        const QString slow = Store("slow", "[values]\nspeed=78\n");
        const QString log = dir_.Path("strace.log");
        Start(slow, {"strace", "-f", "-o", log, "-e", "trace=fdatasync,rename,renameat2,linkat",
                     "-e", "inject=fdatasync:delay_enter=1000000"});
        Send(SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(InSystemCall(WindowPid(), SYS_fdatasync), kQuitMs);
        Send(SIGTERM);
        ExpectQuitNormally();
        QCOMPARE(StoredKeys(slow).size(), 46);
        QCOMPARE(QSettings(slow, QSettings::IniFormat).value("values/speed").toString(),
                 QString("78"));
        // The second signal came between the flush's start and the rename into place.
        QFile trace(log);
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QByteArray text = trace.readAll();
        const qsizetype flush = text.indexOf("fdatasync(");
        const qsizetype second = text.indexOf("--- SIGTERM", text.indexOf("--- SIGTERM") + 1);
        QVERIFY2(flush >= 0 && second > flush && text.indexOf("rename(", second) > second,
                 text.constData());
    }

    void anUnreadableStoreIsLeftAloneOnASignal() {
        // The start-up message is open in a dialog: the signal still ends the session.
        const QString ini = Store("pipe", QByteArray());
        QCOMPARE(mkfifo(qPrintable(ini), 0600), 0);
        Start(ini);
        QTest::qWait(200);
        Send(SIGTERM);
        ExpectQuitNormally();
        QVERIFY(QFileInfo(ini).exists() && !QFileInfo(ini).isFile());
        QVERIFY(kesta_->readAllStandardError().contains("could not be saved"));
    }

    void signalsReachTheEventLoop() {
        std::vector<int> received;
        {
            const kesta::SignalQuit quit([&received](int signal) { received.push_back(signal); });
            std::raise(SIGHUP);
            std::raise(SIGINT);
            QTRY_COMPARE(received.size(), std::size_t(2));
            QCOMPARE(received, (std::vector<int>{SIGHUP, SIGINT}));
        }
        struct sigaction now = {};
        sigaction(SIGTERM, nullptr, &now);
        QVERIFY(now.sa_handler == SIG_DFL); // handed back
    }
};

QTEST_MAIN(Form1SignalTest)
#include "Form1SignalTest.moc"
