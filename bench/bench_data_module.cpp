// Times the data module's busiest statements on an existing Data.dx:
//   bench_data_module [folder]
// Each figure is the median of repeated runs after one warm-up run.

#include "core/data_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void measure(const char *what, int runs, const std::function<void()> &action)
{
    action(); // warm-up: the first run also reads the pages from disk
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        action();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-36s median %8.3f ms   min %8.3f ms   max %8.3f ms\n", what, ms[ms.size() / 2],
                ms.front(), ms.back());
}

void reopen(Dataset &dataset)
{
    dataset.close();
    dataset.open();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        QDir::setCurrent(QString::fromLocal8Bit(argv[1]));

    QElapsedTimer first;
    first.start();
    TDM1 dm;
    AppState state;
    dm.setState(&state);
    dm.ADOSKR.open();
    std::printf("%-36s %8.3f ms\n", "open connection (key check) + payees", double(first.nsecsElapsed()) / 1e6);

    measure("reopen ADODS2 (house list, bill page)", 20, [&] { reopen(dm.ADODS2); });
    std::printf("  %d houses\n", dm.ADODS2.recordCount());
    measure("reopen ADOF (house list, house page)", 20, [&] { reopen(dm.ADOF); });
    measure("CreateDH", 200, [&] { dm.CreateDH(); });

    const QString address = dm.ADODS2.field(QStringLiteral("地址")).asString();
    measure("one house's bill list (CDS1)", 100, [&] {
        dm.CDS1.close();
        dm.CDS1.setCommandText(TDM1::billsOfHouseQuery(address));
        dm.CDS1.open();
    });
    std::printf("  %d bills of %s\n", dm.CDS1.recordCount(), address.toUtf8().constData());
    measure("choose a house (ADODS2 move + CDS1)", 100, [&] {
        dm.ADODS2.moveTo(dm.ADODS2.recNo() == 0 ? 1 : 0);
    });
    return 0;
}
