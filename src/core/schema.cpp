#include "core/schema.h"

#include "platform/db/connection.h"
#include "platform/db/transaction.h"

#include <QStringList>

#include <vector>

namespace schema {
namespace {

enum class Kind { Text, Real, Integer, Date };

struct Column {
    const char *name;
    Kind kind;
    const char *extra = "";
};

struct Table {
    const char *name;
    std::vector<Column> columns;
    bool keyed = true;
};

const std::vector<Table> &tables()
{
    static const std::vector<Table> all = {
        {"房屋资料",
         {{"地址", Kind::Text}, {"目前租户", Kind::Text}, {"起租日期", Kind::Date},
          {"结束日期", Kind::Date}, {"押金", Kind::Integer}, {"备注", Kind::Text}}},
        {"租户资料",
         {{"租户名称", Kind::Text}, {"身份证号", Kind::Text}, {"籍贯", Kind::Text},
          {"电话", Kind::Text}, {"QQEmail", Kind::Text}, {"工作单位", Kind::Text},
          {"已租房号", Kind::Text}, {"备注", Kind::Text}}},
        {"单据明细",
         {{"单号", Kind::Integer}, {"住址", Kind::Text}, {"租户姓名", Kind::Text},
          {"身份证号", Kind::Text}, {"租金日期", Kind::Date}, {"至租金日期", Kind::Date},
          {"添加日期", Kind::Date},
          {"水费上月读数", Kind::Real}, {"水费本月读数", Kind::Real},
          {"电费上月读数", Kind::Real}, {"电费本月读数", Kind::Real},
          {"燃气上月读数", Kind::Real}, {"燃气本月读数", Kind::Real},
          {"水费单价", Kind::Real}, {"电费单价", Kind::Real}, {"燃气单价", Kind::Real},
          {"水费限制", Kind::Integer}, {"电费限制", Kind::Integer}, {"燃气限制", Kind::Integer},
          {"水费超出单价", Kind::Real}, {"电费超出单价", Kind::Real}, {"燃气超出单价", Kind::Real},
          {"水费金额", Kind::Real}, {"电费金额", Kind::Real}, {"燃气金额", Kind::Real},
          {"房租", Kind::Real}, {"卫生费", Kind::Real}, {"电视费", Kind::Real},
          {"管理费", Kind::Real}, {"网费", Kind::Real}, {"其他费用", Kind::Real},
          {"合计金额", Kind::Real}, {"合计大写", Kind::Text}, {"SRNUM", Kind::Integer},
          {"开票人", Kind::Text}, {"收款人", Kind::Text}, {"备注", Kind::Text},
          {"Prn_Count", Kind::Integer}}},
        {"收款人",
         {{"收款人", Kind::Text, " NOT NULL UNIQUE"}, {"PASS", Kind::Text},
          {"QXII", Kind::Integer}, {"备注", Kind::Text}}},
        {"LOGS",
         {{"Log_date", Kind::Date}, {"Log_username", Kind::Text}, {"Log_table", Kind::Text},
          {"Log_msg", Kind::Text}, {"Log_type", Kind::Text}, {"Log_linkID", Kind::Text}},
         false},
    };
    return all;
}

const char *declaredType(Kind kind)
{
    switch (kind) {
    case Kind::Text: return "TEXT COLLATE NOCASE";
    case Kind::Real: return "REAL";
    case Kind::Integer: return "INTEGER";
    case Kind::Date: return "DATETIME";
    }
    return "";
}

// A date is text in one of the two stored forms and names a real day:
// re-normalising it must give the same text back.
QString dateIsValid(const QString &v)
{
    return QStringLiteral("(typeof(%1)='text' AND length(%1) IN (10,19) AND "
                          "datetime(%1,'+0 days') = CASE length(%1) WHEN 10 THEN %1 || ' 00:00:00' ELSE %1 END)")
        .arg(v);
}

QString createTable(const Table &table)
{
    QStringList lines;
    if (table.keyed)
        lines << QStringLiteral("  IDS INTEGER PRIMARY KEY AUTOINCREMENT");
    for (const Column &c : table.columns) {
        QString line = QStringLiteral("  %1 %2%3").arg(QString::fromUtf8(c.name),
                                                       QString::fromUtf8(declaredType(c.kind)),
                                                       QString::fromUtf8(c.extra));
        // Dates are text before and after storage, so a CHECK sees the value as stored.
        if (c.kind == Kind::Date)
            line += QStringLiteral(" CHECK (%1 IS NULL OR %2)").arg(QString::fromUtf8(c.name),
                                                                    dateIsValid(QString::fromUtf8(c.name)));
        lines << line;
    }
    return QStringLiteral("CREATE TABLE %1 (\n%2\n);\n").arg(QString::fromUtf8(table.name), lines.join(QStringLiteral(",\n")));
}

// Statements write numbers as quoted text, which the column's affinity
// turns into a number on storage. This engine checks CHECK constraints
// before that conversion, so the stored type is verified after the write
// instead: a text that did not convert aborts the statement.
QString numberTriggers(const Table &table)
{
    QStringList checks;
    for (const Column &c : table.columns) {
        const QString name = QString::fromUtf8(c.name);
        if (c.kind == Kind::Real)
            checks << QStringLiteral("  SELECT RAISE(ABORT, '“%1”必须是数字') WHERE typeof(NEW.%1) NOT IN ('integer','real','null');").arg(name);
        else if (c.kind == Kind::Integer)
            checks << QStringLiteral("  SELECT RAISE(ABORT, '“%1”必须是整数') WHERE typeof(NEW.%1) NOT IN ('integer','null');").arg(name);
    }
    if (checks.isEmpty())
        return {};
    QString result;
    const QString tableName = QString::fromUtf8(table.name);
    for (const char *event : {"INSERT", "UPDATE"}) {
        result += QStringLiteral("CREATE TRIGGER %1_数值检查_%2 AFTER %2 ON %1\nBEGIN\n%3\nEND;\n")
                      .arg(tableName, QString::fromLatin1(event), checks.join(QLatin1Char('\n')));
    }
    return result;
}

const char *indexes =
    "CREATE INDEX 单据明细_住址_单号 ON 单据明细 (住址, 单号);\n"
    // Covers the paid state and paid-until columns of the house lists.
    "CREATE INDEX 单据明细_住址_至租金日期 ON 单据明细 (住址, 至租金日期, 租金日期);\n"
    "CREATE INDEX 单据明细_单号 ON 单据明细 (单号);\n"
    "CREATE INDEX 单据明细_添加日期 ON 单据明细 (添加日期);\n"
    "CREATE INDEX 单据明细_租金日期 ON 单据明细 (租金日期);\n"
    "CREATE INDEX 租户资料_已租房号 ON 租户资料 (已租房号);\n"
    "CREATE INDEX 房屋资料_地址 ON 房屋资料 (地址);\n";

} // namespace

QString ddl()
{
    QString script;
    for (const Table &table : tables())
        script += createTable(table) + numberTriggers(table);
    script += QString::fromUtf8(indexes);
    script += QStringLiteral("PRAGMA user_version = %1;\n").arg(userVersion);
    return script;
}

void create(Connection &connection)
{
    Transaction transaction(connection);
    connection.execute(ddl());
    transaction.commit();
}

} // namespace schema
