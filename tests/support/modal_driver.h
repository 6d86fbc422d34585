#pragma once
#include <QDialog>
#include <QImage>
#include <QString>
#include <QTimer>

#include <functional>

// Drives the next modal window from inside its own event loop: as soon as
// it is open, `act` runs on it. Whatever `act` did, a window still open
// afterwards is closed, so a failed check never leaves the test waiting.
void onNextModal(std::function<void(QDialog &)> act);

// Stops every driver whose window never opened; true when there was one.
// A test's cleanup checks it, so that a driver left waiting fails the test
// that set it instead of acting on a later test's window.
bool dropPendingModals();

// Counts the modal windows that open while it lives and closes each at once.
class ModalWatch {
public:
    ModalWatch();
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;
    int seen() const { return seen_; }

private:
    QTimer timer_;
    int seen_ = 0;
};

// Where a keyboard event for the window would go.
QWidget *keyTarget(QWidget &window);

// The window as the user sees it, rounded corners included; saved as
// $SCREENSHOT_DIR/name when that variable is set.
void saveScreenshot(QWidget &window, const QString &name);
