// The single-instance guard inside one process:
// the guard's name, the request to come forward, a name left behind by a
// crashed copy, the lock that serialises two copies, and what "come
// forward" does to the program's windows.

#include "core/wd_run_once.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <cstring>
#include <memory>

#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

class TestRunOnce : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void firstCopyStarts();
    void secondCopyIsTurnedAwayAndRaisesTheFirst();
    void eachLaterCopyRaisesOnce();
    void connectionWithoutRequestRaisesNothing();
    void endedCopyFreesTheName();
    void nameOfKilledCopyDoesNotBlock();
    void checkWaitsForTheLock();
    void otherNameDoesNotCollide();

    void minimizedWindowIsRestored();
    void maximizedWindowComesBackMaximized();
    void modalDialogIsBroughtForward_data();
    void modalDialogIsBroughtForward();
    void raiseRequestBringsTheFirstCopyForward();

private:
    QString socketPath(const QString &name) const;

    // Every guard in these tests lives in a private temp folder, so the
    // tests never meet a copy of the program the developer runs.
    QTemporaryDir tmp_;
    QString name_;
    int round_ = 0;
};

void TestRunOnce::initTestCase()
{
    QVERIFY(tmp_.isValid());
    qputenv("TMPDIR", QFile::encodeName(tmp_.path()));
    QCOMPARE(QDir(QDir::tempPath()).canonicalPath(), QDir(tmp_.path()).canonicalPath());
}

void TestRunOnce::init()
{
    // A fresh name per test: nothing one test leaves behind reaches the next.
    name_ = QStringLiteral("{tst_run_once-%1-%2}").arg(QCoreApplication::applicationPid()).arg(++round_);
}

QString TestRunOnce::socketPath(const QString &name) const
{
    return QDir::tempPath() + QLatin1Char('/') + name + QLatin1Char('-') + QString::number(::getuid());
}

void TestRunOnce::firstCopyStarts()
{
    QVERIFY(!QFileInfo::exists(socketPath(name_)));
    RunOnceGuard first(name_);
    QVERIFY(!first.AlreadyRunning());
    // The guard holds its name, per user, in the temp folder.
    QVERIFY(QFileInfo(socketPath(name_)).exists());
    // Asking again in the same copy does not turn it away.
    QVERIFY(!first.AlreadyRunning());
}

void TestRunOnce::secondCopyIsTurnedAwayAndRaisesTheFirst()
{
    RunOnceGuard first(name_);
    QVERIFY(!first.AlreadyRunning());
    QSignalSpy raised(&first, &RunOnceGuard::raiseRequested);

    RunOnceGuard second(name_);
    QVERIFY(second.AlreadyRunning());
    QVERIFY(raised.wait(3000));
    QCOMPARE(raised.count(), 1);

    // The second copy claimed nothing: the name is still the first copy's.
    QVERIFY(QFileInfo::exists(socketPath(name_)));
}

void TestRunOnce::eachLaterCopyRaisesOnce()
{
    RunOnceGuard first(name_);
    QVERIFY(!first.AlreadyRunning());
    QSignalSpy raised(&first, &RunOnceGuard::raiseRequested);
    for (int i = 1; i <= 3; ++i) {
        RunOnceGuard later(name_);
        QVERIFY(later.AlreadyRunning());
        QTRY_COMPARE_WITH_TIMEOUT(raised.count(), i, 3000);
    }
    QTest::qWait(100);
    QCOMPARE(raised.count(), 3);
}

void TestRunOnce::connectionWithoutRequestRaisesNothing()
{
    RunOnceGuard first(name_);
    QVERIFY(!first.AlreadyRunning());
    QSignalSpy raised(&first, &RunOnceGuard::raiseRequested);

    QLocalSocket probe;
    probe.connectToServer(socketPath(name_));
    QVERIFY(probe.waitForConnected(1000));
    probe.write("hello");
    QVERIFY(probe.waitForBytesWritten(1000));
    probe.disconnectFromServer();
    QTest::qWait(200);
    QCOMPARE(raised.count(), 0);

    // ... and the guard still answers a real request afterwards.
    RunOnceGuard second(name_);
    QVERIFY(second.AlreadyRunning());
    QVERIFY(raised.wait(3000));
}

void TestRunOnce::endedCopyFreesTheName()
{
    {
        RunOnceGuard first(name_);
        QVERIFY(!first.AlreadyRunning());
        QVERIFY(QFileInfo::exists(socketPath(name_)));
    }
    QVERIFY(!QFileInfo::exists(socketPath(name_)));

    RunOnceGuard next(name_);
    QVERIFY(!next.AlreadyRunning());
    RunOnceGuard afterNext(name_);
    QVERIFY(afterNext.AlreadyRunning());
}

// A copy that crashes cannot remove its name: the kernel closes its socket
// but leaves the socket file. Make exactly that: a child process listens on
// the guard's path and is killed with SIGKILL.
void TestRunOnce::nameOfKilledCopyDoesNotBlock()
{
    const QByteArray path = QFile::encodeName(socketPath(name_));
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    QVERIFY(size_t(path.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));

    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        // Only async-signal-safe calls in the child of a threaded process.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL); // nor if the test itself crashes
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        char ok = 0;
        if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
            && ::listen(fd, 8) == 0)
            ok = 1;
        [[maybe_unused]] ssize_t n = ::write(ready[1], &ok, 1);
        for (;;)
            ::pause();
    }
    // However the test ends, the child does not outlive it.
    struct Reaper {
        pid_t pid;
        ~Reaper()
        {
            if (pid > 0) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
            }
        }
    } reaper { child };
    ::close(ready[1]);
    char ok = 0;
    QCOMPARE(::read(ready[0], &ok, 1), ssize_t(1));
    ::close(ready[0]);
    QCOMPARE(ok, char(1));

    // While the child lives it holds the name: a guard finds it running.
    {
        RunOnceGuard whileAlive(name_);
        QVERIFY(whileAlive.AlreadyRunning());
    }

    QCOMPARE(::kill(child, SIGKILL), 0);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    reaper.pid = 0;
    QVERIFY(WIFSIGNALED(status));

    // The leftover: the socket file is there, nobody answers on it.
    QVERIFY(QFileInfo::exists(socketPath(name_)));
    QLocalSocket probe;
    probe.connectToServer(socketPath(name_));
    QVERIFY(!probe.waitForConnected(500));

    RunOnceGuard next(name_);
    QVERIFY(!next.AlreadyRunning());
    // ... and the new copy really holds the name now.
    QSignalSpy raised(&next, &RunOnceGuard::raiseRequested);
    RunOnceGuard later(name_);
    QVERIFY(later.AlreadyRunning());
    QVERIFY(raised.wait(3000));
}

// The check and the claim run under a lock file, so two copies started at
// the same instant take turns. Hold the lock as a starting copy would: the
// guard waits for it (a bounded wait) and then starts rather than hang.
void TestRunOnce::checkWaitsForTheLock()
{
    QLockFile held(socketPath(name_) + QStringLiteral(".lock"));
    QVERIFY(held.tryLock(0));

    RunOnceGuard guard(name_);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!guard.AlreadyRunning());
    const qint64 waited = clock.elapsed();
    QVERIFY2(waited >= 1500, qPrintable(QStringLiteral("waited %1 ms").arg(waited)));
    QVERIFY2(waited < 5000, qPrintable(QStringLiteral("waited %1 ms").arg(waited)));
    held.unlock();

    // Without a holder there is no wait.
    RunOnceGuard second(name_);
    clock.restart();
    QVERIFY(second.AlreadyRunning());
    QVERIFY(clock.elapsed() < 1500);
}

void TestRunOnce::otherNameDoesNotCollide()
{
    RunOnceGuard first(name_);
    QVERIFY(!first.AlreadyRunning());
    RunOnceGuard other(name_ + QStringLiteral("-other"));
    QVERIFY(!other.AlreadyRunning());
}

void TestRunOnce::minimizedWindowIsRestored()
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("main"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(window.isMinimized());

    bringApplicationForward();
    QTRY_VERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowState() & ~Qt::WindowActive, Qt::WindowStates(Qt::WindowNoState));
}

void TestRunOnce::maximizedWindowComesBackMaximized()
{
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    QTRY_VERIFY(window.isMinimized());

    bringApplicationForward();
    QTRY_VERIFY(!window.isMinimized());
    QVERIFY(window.isMaximized());
}

// A dialog open on the main window (the login dialog, a message box) is
// what comes forward, even when another of the program's windows is the
// active one; a disabled dialog is not, though the restore still happens.
void TestRunOnce::modalDialogIsBroughtForward_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("enabled dialog comes forward") << true;
    QTest::newRow("disabled dialog is only restored") << false;
}

void TestRunOnce::modalDialogIsBroughtForward()
{
    QFETCH(bool, enabled);
    QWidget main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QDialog dialog(&main);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    main.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(main.isMinimized());
    dialog.setEnabled(enabled);

    bringApplicationForward();
    QTRY_VERIFY(!main.isMinimized());
    if (enabled) {
        QTRY_COMPARE(QApplication::activeWindow(), &dialog);
    } else {
        QTest::qWait(100);
        QCOMPARE(QApplication::activeWindow(), &other);
    }
}

// The wiring of the entry: the first copy's guard answers a later copy by
// bringing its windows forward.
void TestRunOnce::raiseRequestBringsTheFirstCopyForward()
{
    RunOnceGuard first(name_);
    QVERIFY(!first.AlreadyRunning());
    connect(&first, &RunOnceGuard::raiseRequested, qApp, &bringApplicationForward);

    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(window.isMinimized());

    RunOnceGuard second(name_);
    QVERIFY(second.AlreadyRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!window.isMinimized(), 3000);
    QTRY_COMPARE(QApplication::activeWindow(), &window);
}

QTEST_MAIN(TestRunOnce)
#include "tst_run_once.moc"
