#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// Keeps the program to one copy per desktop (per user session). The first
// copy listens on a local socket named after the guard name plus the user
// id ("{CAF49BBB-...}-1000", in QDir::tempPath()), so another user's copy
// does not collide; a second copy asks it to come forward and ends without
// a window. A name left behind by a copy that crashed does not block the
// next start. Tests pass their own name.
class RunOnceGuard : public QObject {
    Q_OBJECT
public:
    static constexpr const char *guardName = "{CAF49BBB-AF40-4FDE-8757-51D5AEB5BBBF}";

    explicit RunOnceGuard(const QString &name = QString::fromLatin1(guardName),
                          QObject *parent = nullptr);
    ~RunOnceGuard() override;

    // True when another copy runs and has been asked to come forward; false
    // when this copy may start (it then answers later copies until the guard
    // is destroyed). When the guard cannot be set up at all, the copy starts
    // without one. The check and the claim run under a lock file, so two
    // copies started at the same instant cannot both start.
    bool AlreadyRunning();

signals:
    // A later copy asked this one to come forward (emitted from the event
    // loop, once per request).
    void raiseRequested();

private:
    QString name_;
    QLocalServer *server_ = nullptr;
};

// Restores the program's minimized windows and brings its active window
// (a modal dialog or message box if one is open, else the main window) to
// the front, when it is visible and enabled.
void bringApplicationForward();
