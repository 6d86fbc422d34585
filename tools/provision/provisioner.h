#pragma once
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class Connection;

namespace provision {

struct House {
    QString address;
    QString tenants;
    QDate leaseStart;
    QDate leaseEnd;
    qint64 deposit = 0;
    QString remark;
};

struct Tenant {
    QString name;
    QString idCard;
    QString nativePlace;
    QString phone;
    QString qqEmail;
    QString employer;
    QString rentedHouse;
    QString remark;
};

struct Payee {
    QString name;
    QString password;
    qint64 rights = 0;
    QString remark;
};

// One utility of a bill: readings, two-tier price and the amount charged.
struct Meter {
    double last = 0;
    double current = 0;
    double price = 0;
    qint64 limit = 0;
    double overPrice = 0;
    double amount = 0;
};

struct Bill {
    qint64 number = 0;
    QString address;
    QString tenants;
    QDateTime periodStart;
    QDateTime periodEnd;
    QDateTime issued;
    Meter water, electricity, gas;
    double rent = 0, sanitation = 0, television = 0, management = 0, internet = 0, other = 0;
    double total = 0;
    QString totalInWords;
    int rounding = 0;
    QString issuer;
    QString payee;
    QString remark;
    std::optional<qint64> printCount; // empty: never printed
};

// Inserts rows through prepared statements, so that large files are quick
// to write. Each call gives the new row's key.
class Provisioner {
public:
    explicit Provisioner(Connection &connection) : db_(connection) {}

    qint64 add(const House &house);
    qint64 add(const Tenant &tenant);
    qint64 add(const Payee &payee);
    qint64 add(const Bill &bill);

private:
    qint64 run(const QString &sql, const QList<QVariant> &values);
    Connection &db_;
};

// A new file with the tables and one account that can log in.
inline const Payee firstAccount{QStringLiteral("管理员"), QStringLiteral("1234"), 63,
                                QStringLiteral("系统管理员")};

} // namespace provision
