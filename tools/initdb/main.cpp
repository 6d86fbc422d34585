// tenvora-initdb: creates Data.dx in the current folder, ready to log in.
//
//   tenvora-initdb                 tables and one account (管理员 / 1234)
//   tenvora-initdb --demo          the same with a dozen houses and a year of bills
//   tenvora-initdb --houses N --bills-per-house M
//                                  a large file for measuring speed

#include "core/data_module.h"
#include "core/schema.h"
#include "demo_data.h"
#include "platform/db/app_clock.h"
#include "platform/db/connection.h"
#include "platform/db/db_error.h"
#include "platform/db/transaction.h"
#include "provision/provisioner.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tenvora-initdb: %s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tenvora-initdb"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Creates Data.dx for Tenvora in the current folder."));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Add demo houses, tenants, payees and bills."));
    const QCommandLineOption houses(QStringLiteral("houses"), QStringLiteral("Number of houses of a large file."),
                                    QStringLiteral("N"));
    const QCommandLineOption billsPerHouse(QStringLiteral("bills-per-house"),
                                           QStringLiteral("Monthly bills per house of a large file."),
                                           QStringLiteral("M"));
    parser.addOptions({demo, houses, billsPerHouse});
    parser.process(app);

    const bool scale = parser.isSet(houses) || parser.isSet(billsPerHouse);
    bool okHouses = true, okBills = true;
    const int houseCount = parser.value(houses).toInt(&okHouses);
    const int billCount = parser.value(billsPerHouse).toInt(&okBills);
    if (scale && (!okHouses || !okBills || houseCount < 1 || billCount < 0))
        return fail(QStringLiteral("--houses and --bills-per-house take positive whole numbers"));
    if (scale && parser.isSet(demo))
        return fail(QStringLiteral("--demo cannot be combined with --houses"));

    const QString file = QString::fromLatin1(TDM1::databaseFile);
    if (QFileInfo::exists(file))
        return fail(QStringLiteral("%1 already exists here; remove it first to start afresh").arg(file));

    try {
        Connection db(file, QByteArray(TDM1::databaseKey), Connection::OpenMode::CreateIfMissing);
        // Large files are written in one transaction; a big page cache keeps
        // the index pages of the bill table in memory while they grow.
        db.execute(QStringLiteral("PRAGMA cache_size = -262144"));
        schema::create(db);
        Transaction transaction(db);
        provision::Provisioner to(db);
        const QDateTime now = AppClock::now();
        if (scale)
            provision::addScaleData(to, now, houseCount, billCount);
        else if (parser.isSet(demo))
            provision::addDemoData(to, now);
        else
            to.add(provision::firstAccount);
        transaction.commit();
    } catch (const DbError &error) {
        QFile::remove(file);
        return fail(error.message());
    }
    std::printf("%s created\n", file.toUtf8().constData());
    return 0;
}
