#pragma once

// Modal dialogs in the view tests: each test says which dialogs it expects
// and how to answer them; any other modal dialog fails the test and is
// closed, so that the test goes on instead of waiting for a click that never
// comes.

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace korvane::gui_test {

class ModalWatchdog : public QObject {
public:
    // Answers a dialog; it must close it (click a button, accept, reject).
    using Answer = std::function<void(QWidget& dialog)>;

    ModalWatchdog();
    // Fails the test when an expected dialog never opened.
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;

    // The next modal dialog is expected, and answered so.
    void Expect(Answer answer);

    int Answered() const { return answered_; }

protected:
    // A dialog that is hidden is done with, even when the same dialog opens
    // again before the next check.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Check();

    QTimer timer_;
    std::deque<Answer> expected_;
    QPointer<QWidget> seen_;  // the dialog last taken in hand, until it closes
    QElapsedTimer seen_for_;
    int answered_ = 0;
};

// Answers: press a key in the dialog (Return takes its default button), click
// the first visible button with that text, or close it without an answer.
ModalWatchdog::Answer PressKey(int key);
ModalWatchdog::Answer ClickButton(const QString& text);
ModalWatchdog::Answer CloseDialog();
// A file dialog takes the path (a file, or a folder in the directory chooser).
ModalWatchdog::Answer ChoosePath(const QString& path);

// Runs the event loop until `done` holds, for at most five seconds.
bool WaitUntil(const std::function<bool()>& done);

}  // namespace korvane::gui_test
