// One copy per desktop, with real copies of the program: a second
// start ends by itself while the first runs on; a copy killed without a
// chance to clean up does not block the next start.
//
// The copies run offscreen in a temporary working folder, with TMPDIR
// pointed at a private folder: the guard's name lives there, so this test
// never meets a copy the developer runs.

#include "core/wd_run_once.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void secondCopyEndsAndFirstRunsOn();
    void killedCopyDoesNotBlockTheNextStart();
    void twoCopiesStartedTogetherLeaveOne();

private:
    QProcess *startCopy();
    bool waitUntilListening(QProcess *copy);

    QString binDir_;
    QTemporaryDir work_;
    QTemporaryDir tmp_;
    QString socketPath_;
    std::vector<std::unique_ptr<QProcess>> copies_;
};

void TestSingleInstance::initTestCase()
{
    binDir_ = qEnvironmentVariable("TENVORA_BIN_DIR");
    QVERIFY2(!binDir_.isEmpty(), "TENVORA_BIN_DIR is not set (run the test through ctest)");
    QVERIFY2(QFileInfo(binDir_ + QStringLiteral("/tenvora")).isExecutable(),
             qPrintable(binDir_ + QStringLiteral("/tenvora is not built")));
    QVERIFY2(QFileInfo(binDir_ + QStringLiteral("/tenvora-initdb")).isExecutable(),
             qPrintable(binDir_ + QStringLiteral("/tenvora-initdb is not built")));
    QVERIFY(work_.isValid());
    QVERIFY(tmp_.isValid());
    socketPath_ = tmp_.path() + QLatin1Char('/') + QLatin1String(RunOnceGuard::guardName)
                  + QLatin1Char('-') + QString::number(::getuid());

    // The working folder holds a database, as where the program really runs.
    QProcess initdb;
    initdb.setWorkingDirectory(work_.path());
    initdb.setProcessChannelMode(QProcess::ForwardedChannels);
    initdb.start(binDir_ + QStringLiteral("/tenvora-initdb"), {});
    QVERIFY(initdb.waitForFinished(30000));
    QCOMPARE(initdb.exitStatus(), QProcess::NormalExit);
    QCOMPARE(initdb.exitCode(), 0);
    QVERIFY(QFileInfo::exists(work_.filePath(QStringLiteral("Data.dx"))));
}

void TestSingleInstance::cleanup()
{
    for (auto &copy : copies_) {
        if (copy->state() != QProcess::NotRunning) {
            copy->kill();
            copy->waitForFinished(3000);
        }
    }
    copies_.clear();
    // What a killed copy left behind must not reach the next test.
    QFile::remove(socketPath_);
}

QProcess *TestSingleInstance::startCopy()
{
    auto copy = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), tmp_.path());
    copy->setProcessEnvironment(env);
    copy->setWorkingDirectory(work_.path());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->setStandardOutputFile(QProcess::nullDevice());
    copy->start(binDir_ + QStringLiteral("/tenvora"), {});
    copies_.push_back(std::move(copy));
    QProcess *started = copies_.back().get();
    if (!started->waitForStarted(5000))
        qWarning("could not start %s: %s", qPrintable(started->program()),
                 qPrintable(started->errorString()));
    return started;
}

// The copy has claimed the name once its socket file exists.
bool TestSingleInstance::waitUntilListening(QProcess *copy)
{
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (copy->state() != QProcess::Running)
            return false;
        if (QFileInfo::exists(socketPath_))
            return true;
        QTest::qWait(20);
    }
    return false;
}

void TestSingleInstance::secondCopyEndsAndFirstRunsOn()
{
    QVERIFY(!QFileInfo::exists(socketPath_));
    QProcess *first = startCopy();
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY(waitUntilListening(first));
    QVERIFY2(!first->waitForFinished(1000), "the first copy ended by itself");

    QProcess *second = startCopy();
    QVERIFY2(second->waitForFinished(5000), "the second copy did not end by itself");
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);

    QVERIFY2(!first->waitForFinished(500), "the first copy ended with the second");
    QCOMPARE(first->state(), QProcess::Running);

    // A third start while the first still runs is turned away just the same.
    QProcess *third = startCopy();
    QVERIFY(third->waitForFinished(5000));
    QCOMPARE(third->exitStatus(), QProcess::NormalExit);
    QCOMPARE(third->exitCode(), 0);
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleInstance::killedCopyDoesNotBlockTheNextStart()
{
    QProcess *first = startCopy();
    QVERIFY(waitUntilListening(first));
    QVERIFY(!first->waitForFinished(1000));

    first->kill(); // SIGKILL: no chance to remove its name
    QVERIFY(first->waitForFinished(3000));
    QCOMPARE(first->exitStatus(), QProcess::CrashExit);
    QVERIFY2(QFileInfo::exists(socketPath_), "the killed copy left no name behind; nothing tested");

    QProcess *next = startCopy();
    QVERIFY2(!next->waitForFinished(1500), "the start after the killed copy ended by itself");
    QCOMPARE(next->state(), QProcess::Running);

    // The new copy holds the name again: a later start is turned away.
    QProcess *later = startCopy();
    QVERIFY(later->waitForFinished(5000));
    QCOMPARE(later->exitStatus(), QProcess::NormalExit);
    QCOMPARE(later->exitCode(), 0);
    QCOMPARE(next->state(), QProcess::Running);

    next->terminate();
    if (!next->waitForFinished(3000)) {
        next->kill();
        next->waitForFinished(3000);
    }
}

// Of two copies started at the same instant, the lock around the check
// lets exactly one stay.
void TestSingleInstance::twoCopiesStartedTogetherLeaveOne()
{
    QProcess *a = startCopy();
    QProcess *b = startCopy();

    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && a->state() == QProcess::Running
           && b->state() == QProcess::Running)
        QTest::qWait(20);
    QVERIFY2(a->state() != QProcess::Running || b->state() != QProcess::Running,
             "both copies run");

    QProcess *ended = a->state() == QProcess::Running ? b : a;
    QProcess *stays = ended == a ? b : a;
    ended->waitForFinished(3000);
    QCOMPARE(ended->exitStatus(), QProcess::NormalExit);
    QCOMPARE(ended->exitCode(), 0);
    QVERIFY2(!stays->waitForFinished(1000), "neither copy stayed");
    QCOMPARE(stays->state(), QProcess::Running);
}

QTEST_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
