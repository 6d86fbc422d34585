#pragma once
#include "platform/db/app_clock.h"
#include "platform/db/connection.h"
#include "provision/provisioner.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

// A real Data.dx with the program's tables in a fresh temporary folder,
// and a connection of its own for setting up rows and reading them back.
class TestDatabase {
public:
    TestDatabase();

    QString folder() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("Data.dx")); }
    Connection &db() { return *db_; }
    provision::Provisioner &add() { return provisioner_; }

    // The first column of the first row; an invalid value when there is none.
    QVariant value(const QString &sql);
    int count(const QString &table) { return value(QStringLiteral("SELECT count(*) FROM ") + table).toInt(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<Connection> db_;
    provision::Provisioner provisioner_;
};

// Two houses with bills, one without, three tenants (two share a house) and
// two payees, around a fixed "now" of 2011-04-15 10:00.
struct SmallLandlord {
    static QDateTime now() { return QDateTime(QDate(2011, 4, 15), QTime(10, 0)); }
    static provision::Bill bill(qint64 number, const QString &address, const QDate &start);
    static void fill(TestDatabase &database);
};

// Freezes the application clock for the lifetime of the object.
class FixedClock {
public:
    explicit FixedClock(const QDateTime &moment) { AppClock::setFixed(moment); }
    ~FixedClock() { AppClock::useSystemClock(); }
    FixedClock(const FixedClock &) = delete;
    FixedClock &operator=(const FixedClock &) = delete;
};
