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

    SignalQuit(const SignalQuit&) = delete;
    SignalQuit& operator=(const SignalQuit&) = delete;

  private:
    void ReadSignals();

    std::function<void(int)> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace kesta
