#include "test_database.h"

#include "core/data_module.h"
#include "core/schema.h"

#include <QtTest>

TestDatabase::TestDatabase()
    : db_(std::make_unique<Connection>(dir_.filePath(QStringLiteral("Data.dx")),
                                       QByteArray(TDM1::databaseKey),
                                       Connection::OpenMode::CreateIfMissing)),
      provisioner_(*db_)
{
    if (!dir_.isValid())
        qFatal("cannot create a temporary folder");
    schema::create(*db_);
}

QVariant TestDatabase::value(const QString &sql)
{
    const Snapshot result = db_->query(sql);
    return result.rows.isEmpty() ? QVariant() : result.rows.first().first();
}

provision::Bill SmallLandlord::bill(qint64 number, const QString &address, const QDate &start)
{
    provision::Bill b;
    b.number = number;
    b.address = address;
    b.periodStart = QDateTime(start, QTime(0, 0));
    b.periodEnd = QDateTime(start.addMonths(1).addDays(-1), QTime(0, 0));
    b.issued = QDateTime(start, QTime(9, 30));
    b.rent = 800;
    b.total = 800;
    b.totalInWords = QStringLiteral(" 捌 佰 元 整");
    b.issuer = b.payee = QStringLiteral("张三");
    return b;
}

void SmallLandlord::fill(TestDatabase &d)
{
    using namespace provision;
    d.add().add(Payee{QStringLiteral("张三"), QStringLiteral("123"), 1 | 2 | 4 | 8 | 16 | 32, {}});
    d.add().add(Payee{QStringLiteral("李四"), QStringLiteral("456"), 1 | 32, {}});
    d.add().add(House{QStringLiteral("A101"), QStringLiteral("王五"), QDate(2011, 1, 1), QDate(2012, 1, 1), 1000, {}});
    d.add().add(House{QStringLiteral("B202"), QStringLiteral("赵六,钱七"), QDate(2011, 1, 1), QDate(2012, 1, 1), 1500, {}});
    d.add().add(House{QStringLiteral("C303"), QString(), QDate(2011, 1, 1), QDate(2012, 1, 1), 0, {}});
    d.add().add(Tenant{QStringLiteral("王五"), {}, {}, {}, {}, {}, QStringLiteral("A101"), {}});
    d.add().add(Tenant{QStringLiteral("赵六"), {}, {}, {}, {}, {}, QStringLiteral("B202"), {}});
    d.add().add(Tenant{QStringLiteral("钱七"), {}, {}, {}, {}, {}, QStringLiteral("B202"), {}});
    // A101 is paid for April; B202 only up to March.
    qint64 number = 0;
    for (int month = 1; month <= 4; ++month)
        d.add().add(bill(++number, QStringLiteral("A101"), QDate(2011, month, 1)));
    for (int month = 1; month <= 3; ++month) {
        Bill b = bill(++number, QStringLiteral("B202"), QDate(2011, month, 1));
        b.printCount = month == 1 ? std::optional<qint64>(2) : std::nullopt;
        d.add().add(b);
    }
}
