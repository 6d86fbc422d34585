#include "core/wd_run_once.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>

#include <memory>

#include <unistd.h>

// The first copy listens on a local socket; a later copy connects, sends
// this request and ends. The first copy answers by emitting
// raiseRequested(), which the entry connects to bringApplicationForward().
static const QByteArray raiseRequest = QByteArrayLiteral("raise");

// How long a later copy waits for the first one. A copy that is alive
// accepts at once (the kernel queues the connection even while its event
// loop is busy), so these only bound a broken case.
static constexpr int connectTimeoutMs = 500;
static constexpr int writeTimeoutMs = 1000;
static constexpr int lockTimeoutMs = 2000;

RunOnceGuard::RunOnceGuard(const QString &name, QObject *parent)
    // One copy per user session: the user id keeps another user's copy on
    // the same machine from colliding with this one.
    : QObject(parent), name_(name + QLatin1Char('-') + QString::number(::getuid()))
{
}

RunOnceGuard::~RunOnceGuard()
{
    // Closing the server removes the socket file, so the next start finds
    // no copy running. A copy that crashes leaves the file behind; the
    // next start removes it (see AlreadyRunning).
    if (server_)
        server_->close();
}

bool RunOnceGuard::AlreadyRunning()
{
    if (server_)
        return false; // this copy already holds the name

    // The check and the claim of the name run under a lock file, so of two
    // copies started at the same instant exactly one listens and the other
    // finds it. The lock is held only for these few milliseconds. If it
    // cannot be had (an unwritable temp folder, a hung holder), the check
    // runs unlocked rather than keep the program from starting.
    QLockFile lock(QDir::tempPath() + QLatin1Char('/') + name_ + QStringLiteral(".lock"));
    lock.tryLock(lockTimeoutMs);

    {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(connectTimeoutMs)) {
            // Another copy runs: ask it to come forward and end. Whether the
            // request arrives or not, that copy runs, so this one must not.
            socket.write(raiseRequest);
            socket.flush();
            while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(writeTimeoutMs)) {
            }
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(writeTimeoutMs);
            return true;
        }
    }

    // Nobody answers. The name may still be held by the socket file of a
    // copy that crashed. Qt 6.4's listen() happens to replace such a dead
    // file itself, but the documentation promises an AddressInUseError, so
    // remove it here. Removing is safe only because of the lock: no other
    // copy can be between its own listen() and our removal.
    QLocalServer::removeServer(name_);
    auto server = std::make_unique<QLocalServer>(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name_))
        return false; // no guard for this copy; no message, as before
    server_ = server.release();

    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = server_->nextPendingConnection()) {
            // One request per connection. A connection that sends nothing
            // (or something else) raises nothing.
            struct Pending {
                QByteArray received;
                bool done = false;
            };
            auto pending = std::make_shared<Pending>();
            auto readRequest = [this, client, pending] {
                if (pending->done)
                    return;
                pending->received.append(client->readAll());
                if (pending->received.contains(raiseRequest)) {
                    pending->done = true;
                    emit raiseRequested();
                } else if (pending->received.size() > 64) {
                    pending->done = true; // not one of ours
                }
            };
            connect(client, &QLocalSocket::readyRead, client, readRequest);
            connect(client, &QLocalSocket::disconnected, client, [client, readRequest] {
                readRequest(); // the request may come together with the close
                client->deleteLater();
            });
            readRequest();
            if (client->state() == QLocalSocket::UnconnectedState)
                client->deleteLater();
        }
    });
    return false;
}

// Restore first, so a minimized program comes back; then bring forward the
// window the user works in (the main window or a dialog open on top of it)
// if it is visible and enabled.
void bringApplicationForward()
{
    // Restore: clear the minimized state of every shown top-level window,
    // keeping the rest of its state (a maximized window comes back
    // maximized, as a restored application does).
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *w : topLevels) {
        if (w->isVisible() && (w->windowState() & Qt::WindowMinimized))
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    }

    // The window the user last worked in: an open modal dialog or message
    // box (for example the login dialog), else the active window, else the
    // first shown ordinary window.
    QWidget *target = QApplication::activeModalWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (!target) {
        for (QWidget *w : topLevels) {
            const Qt::WindowType type = w->windowType();
            if (w->isVisible() && (type == Qt::Window || type == Qt::Dialog)) {
                target = w;
                break;
            }
        }
    }
    if (!target || !target->isVisible() || !target->isEnabled())
        return; // only the restore happens

    target->raise();
    // Window managers may refuse to hand the focus to a program the user is
    // not working in; they then mark the window as wanting attention.
    target->activateWindow();
}
