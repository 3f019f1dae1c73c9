// Turns the signals that end a session (SIGTERM from a log-out or shutdown, SIGHUP when the
// terminal goes, SIGINT from Ctrl+C) into a call made from the event loop, so that the window
// can save the inputs and quit normally instead of dying with them unsaved.
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace kesta {

class SignalQuit : public QObject {
    Q_OBJECT

  public:
    // `onSignal` runs in the event loop, once per signal received, with the signal's number.
    // One instance at a time; the default handlers come back when it is destroyed.
    explicit SignalQuit(std::function<void(int signal)> onSignal, QObject* parent = nullptr);
    ~SignalQuit() override;

    // Holds the ending signals back from this thread and from every thread it starts later
    // (HoldEndingSignals), or lets them through to this thread again (ReleaseEndingSignals).
    // Held from the start of main until a SignalQuit is in place, a signal waits for it
    // instead of ending the program with the inputs unsaved.
    static void HoldEndingSignals();
    static void ReleaseEndingSignals();

    // From now on, and after this instance is gone, the ending signals are ignored: once the
    // event loop has ended the inputs are saved, and a signal that comes while the program
    // winds down must not kill it (in any of its threads) with another status.
    void IgnoreFromNowOn();

    SignalQuit(const SignalQuit&) = delete;
    SignalQuit& operator=(const SignalQuit&) = delete;

  private:
    void ReadSignals();

    std::function<void(int)> onSignal_;
    bool ignoreAfter_ = false;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kesta
