#include "window/SignalQuit.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kesta {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// [0] written by the handler, [1] read by the event loop.
int g_pipe[2] = {-1, -1};

// Only async-signal-safe calls here: the signal's number goes down the socket and the event
// loop does the rest. A full socket drops the byte; one pending signal is enough to quit.
void OnSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &number, 1);
    errno = saved;
}

void Handle(void (*handler)(int)) {
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

void Mask(int how) {
    sigset_t set;
    sigemptyset(&set);
    for (int signal : kSignals)
        sigaddset(&set, signal);
    pthread_sigmask(how, &set, nullptr);
}

} // namespace

void SignalQuit::HoldEndingSignals() {
    Mask(SIG_BLOCK);
}

void SignalQuit::ReleaseEndingSignals() {
    Mask(SIG_UNBLOCK);
}

SignalQuit::SignalQuit(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0) return;
    ::fcntl(g_pipe[0], F_SETFL, O_NONBLOCK); // the handler must never wait
    notifier_ = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalQuit::ReadSignals);
    Handle(OnSignal);
}

void SignalQuit::IgnoreFromNowOn() {
    ignoreAfter_ = true;
    Handle(SIG_IGN);
}

SignalQuit::~SignalQuit() {
    if (notifier_ == nullptr) return;
    Handle(ignoreAfter_ ? SIG_IGN : SIG_DFL);
    delete notifier_;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SignalQuit::ReadSignals() {
    unsigned char number = 0;
    if (::read(g_pipe[1], &number, 1) == 1 && onSignal_) onSignal_(number);
}

} // namespace kesta
