#pragma once
// The end of the desktop session: a logout or shutdown reaches the game as
// SIGTERM or SIGHUP, or as the session manager's request to save; Ctrl+C in
// the terminal that started the game (SIGINT) and SIGQUIT end it the same
// way (SIGQUIT then dumps core as usual, see endSignal). Either way
// the game makes the close request's writes without asking and quits, so the
// interrupted game, the playing time and the used puzzles are kept. A signal
// only wakes the event loop; the writes run there, so a second signal in the
// middle of them cuts no file. The signals stay caught until the program
// ends, after the watcher is gone: the end of the game (its lock, socket,
// files and the window's place) is finished or untouched, never cut.

#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

namespace quib::desktop {

class MainWindow;

class SessionEndWatcher : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now until the program ends; a signal ignored
    // when the game started (but SIGTERM) stays ignored.
    explicit SessionEndWatcher(MainWindow& window);
    ~SessionEndWatcher() override;
    // The signal that ended the session, 0 for none.
    int endSignal() const { return endSignal_; }
    SessionEndWatcher(const SessionEndWatcher&) = delete;
    SessionEndWatcher& operator=(const SessionEndWatcher&) = delete;

signals:
    // The session is ending: emitted before the game's files are written.
    void ending();

private:
    static void onSignal(int);
    void onWake();

    MainWindow& window_;
    QSocketNotifier* notifier_ = nullptr;
    static constexpr std::array<int, 4> kSignals = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
    int endSignal_ = 0;
};

}  // namespace quib::desktop
