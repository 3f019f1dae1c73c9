// kesta_window_probe: timing harness for the window (not a test).
//
//   kesta_window_probe measure RUNS   starts itself RUNS times as "bare" and as "window",
//                                     alternating, and prints medians of the start-up time to
//                                     the first paint, the peak memory, and the time from a
//                                     click on "Report" to the box showing the full report.
//   kesta_window_probe bare           one start of a Qt window with no controls
//   kesta_window_probe window         one start of the calculator window, then 20 reports
//
// The window reads the per-user settings store: run it with XDG_CONFIG_HOME pointing at a
// folder holding the set-up to report (scripts/measure-window.sh does this under Xvfb).
#include "settings/SettingsStore.h"
#include "window/Form1.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long NowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Reports the moment the first paint of `window` (the whole tree, flushed) has finished.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(std::function<void()> done) : done_(std::move(done)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Runs after the paint event and the flush of the backing store that follow.
            QTimer::singleShot(0, done_);
        }
        return false;
    }

  private:
    std::function<void()> done_;
    bool seen_ = false;
};

int RunOnce(int argc, char* argv[], bool withControls) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KESTA"));
    QApplication::setOrganizationName(QStringLiteral("KESTA"));
    std::unique_ptr<kesta::SettingsStore> store;
    std::unique_ptr<QWidget> window;
    if (withControls) {
        store = std::make_unique<kesta::SettingsStore>();
        window = std::make_unique<kesta::Form1>(*store, [](QMessageBox::Icon, const QString& t) {
            std::fprintf(stderr, "message: %s\n", qPrintable(t));
        });
    } else {
        window = std::make_unique<QWidget>();
        window->resize(1249, 969);
    }
    FirstPaint probe([&] {
        std::printf("first_paint_ns %lld\n", NowNs());
        if (withControls) {
            auto* button = window->findChild<QPushButton*>(QStringLiteral("doReport"));
            auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("txtReport"));
            std::vector<double> times;
            for (int i = 0; i < 20; ++i) {
                box->clear();
                box->viewport()->repaint();
                const long long start = NowNs();
                button->click();            // the handler: inputs, report, one box update
                box->viewport()->repaint(); // and the box painted with the full report
                times.push_back((NowNs() - start) / 1e6);
            }
            std::printf("report_first_ms %.3f\nreport_median_ms %.3f\nreport_max_ms %.3f\n",
                        times.front(), Median(times),
                        *std::max_element(times.begin(), times.end()));
            std::printf("report_lines %lld\n", static_cast<long long>(box->blockCount()));
        }
        std::fflush(stdout);
        QApplication::quit();
    });
    window->installEventFilter(&probe);
    window->show();
    return QApplication::exec();
}

struct Sample {
    double startupMs = 0;
    double peakMb = 0;
    std::vector<std::pair<std::string, double>> values;
};

bool Spawn(const char* self, const char* mode, Sample& sample) {
    int out[2];
    if (pipe(out) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const long long start = NowNs();
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) return false;
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, n);
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    sample.peakMb = usage.ru_maxrss / 1024.0;
    char name[64];
    double value = 0;
    for (const char* line = text.c_str(); *line != '\0';) {
        if (std::sscanf(line, "%63s %lf", name, &value) == 2) {
            if (std::strcmp(name, "first_paint_ns") == 0)
                sample.startupMs = (value - start) / 1e6;
            else
                sample.values.emplace_back(name, value);
        }
        const char* next = std::strchr(line, '\n');
        line = next != nullptr ? next + 1 : line + std::strlen(line);
    }
    return sample.startupMs > 0;
}

int Measure(const char* self, int runs) {
    std::vector<double> bareStart, bareMem, winStart, winMem, first, median, worst;
    Sample warm; // one unmeasured start of each, so both are timed with a warm page cache
    Spawn(self, "bare", warm);
    Spawn(self, "window", warm);
    for (int i = 0; i < runs; ++i) {
        Sample bare, window;
        if (!Spawn(self, "bare", bare) || !Spawn(self, "window", window)) {
            std::fputs("a probe run failed\n", stderr);
            return 1;
        }
        bareStart.push_back(bare.startupMs);
        bareMem.push_back(bare.peakMb);
        winStart.push_back(window.startupMs);
        winMem.push_back(window.peakMb);
        for (const auto& [name, value] : window.values) {
            if (name == "report_first_ms") first.push_back(value);
            if (name == "report_median_ms") median.push_back(value);
            if (name == "report_max_ms") worst.push_back(value);
        }
    }
    std::printf("runs: %d of each, medians\n", runs);
    std::printf("start-up to first paint, bare Qt window:  %7.1f ms   peak RSS %5.1f MB\n",
                Median(bareStart), Median(bareMem));
    std::printf("start-up to first paint, kesta window:    %7.1f ms   peak RSS %5.1f MB\n",
                Median(winStart), Median(winMem));
    std::printf("start-up ratio kesta / bare:              %7.2f\n",
                Median(winStart) / Median(bareStart));
    std::printf("click on Report to full report painted:   %7.2f ms median, %.2f ms first "
                "click, %.2f ms worst of 20\n",
                Median(median), Median(first), Median(worst));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "bare") == 0) return RunOnce(argc, argv, false);
    if (argc >= 2 && std::strcmp(argv[1], "window") == 0) return RunOnce(argc, argv, true);
    if (argc >= 2 && std::strcmp(argv[1], "measure") == 0)
        return Measure(argv[0], argc >= 3 ? std::max(1, std::atoi(argv[2])) : 15);
    std::fputs("usage: kesta_window_probe measure [RUNS] | bare | window\n", stderr);
    return 2;
}
