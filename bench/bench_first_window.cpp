// The program's own start-up with one addition: when its first window is
// painted, it prints the time since the process was started and quits.
// bench/run.sh passes the start moment (`date +%s%N`) in
// TENVORA_BENCH_T0, taken just before the process is launched.

#include "core/startup.h"
#include "main/main_form.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

qint64 realtimeNs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            const qint64 t0 = qgetenv("TENVORA_BENCH_T0").toLongLong();
            std::printf("%.1f\n", double(realtimeNs() - t0) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char **argv)
{
    FirstPaint probe;
    return runTenvora(argc, argv, [&](TDM1 &dm) {
        auto *window = new TMFormX12(dm);
        window->installEventFilter(&probe);
        return window;
    });
}
