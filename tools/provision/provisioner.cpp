#include "provision/provisioner.h"

#include "platform/db/connection.h"
#include "platform/db/date_text.h"
#include "platform/db/sql_quote.h"

#include <QStringList>

namespace provision {
namespace {

// Numbers go in as the panels write them: quoted text in the shortest form.
QString number(double value)
{
    return sqlQuote(QString::number(value, 'g', 15));
}

QString number(qint64 value)
{
    return sqlQuote(QString::number(value));
}

QString date(const QDate &day)
{
    return sqlQuote(dateText::date(day));
}

QString dateTime(const QDateTime &moment)
{
    return sqlQuote(dateText::dateTimeOmitMidnight(moment));
}

QString insert(const char *table, const QStringList &fields, const QStringList &values)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QString::fromUtf8(table), fields.join(QLatin1Char(',')), values.join(QLatin1Char(',')));
}

} // namespace

qint64 Provisioner::run(const QString &sql)
{
    db_.execute(sql);
    return db_.lastInsertId();
}

qint64 Provisioner::add(const House &h)
{
    return run(insert("房屋资料", {"地址", "目前租户", "起租日期", "结束日期", "押金", "备注"},
                      {sqlQuote(h.address), sqlQuote(h.tenants), date(h.leaseStart), date(h.leaseEnd),
                       number(h.deposit), sqlQuote(h.remark)}));
}

qint64 Provisioner::add(const Tenant &t)
{
    return run(insert("租户资料", {"租户名称", "身份证号", "籍贯", "电话", "QQEmail", "工作单位", "已租房号", "备注"},
                      {sqlQuote(t.name), sqlQuote(t.idCard), sqlQuote(t.nativePlace), sqlQuote(t.phone),
                       sqlQuote(t.qqEmail), sqlQuote(t.employer), sqlQuote(t.rentedHouse),
                       sqlQuote(t.remark)}));
}

qint64 Provisioner::add(const Payee &p)
{
    return run(insert("收款人", {"收款人", "PASS", "QXII", "备注"},
                      {sqlQuote(p.name), sqlQuote(p.password), QString::number(p.rights), sqlQuote(p.remark)}));
}

qint64 Provisioner::add(const Bill &b)
{
    QStringList fields{"单号", "住址", "租户姓名", "租金日期", "至租金日期", "添加日期"};
    QStringList values{number(b.number), sqlQuote(b.address), sqlQuote(b.tenants),
                       dateTime(b.periodStart), dateTime(b.periodEnd), dateTime(b.issued)};
    const struct {
        const char *prefix;
        const Meter &meter;
    } meters[] = {{"水费", b.water}, {"电费", b.electricity}, {"燃气", b.gas}};
    for (const auto &[prefix, meter] : meters) {
        const QString p = QString::fromUtf8(prefix);
        fields << p + "上月读数" << p + "本月读数" << p + "单价" << p + "限制" << p + "超出单价" << p + "金额";
        values << number(meter.last) << number(meter.current) << number(meter.price)
               << number(meter.limit) << number(meter.overPrice) << number(meter.amount);
    }
    fields << "房租" << "卫生费" << "电视费" << "管理费" << "网费" << "其他费用" << "合计金额"
           << "合计大写" << "SRNUM" << "开票人" << "收款人" << "备注" << "Prn_Count";
    values << number(b.rent) << number(b.sanitation) << number(b.television) << number(b.management)
           << number(b.internet) << number(b.other) << sqlQuote(QString::number(b.total, 'f', 2))
           << sqlQuote(b.totalInWords) << QString::number(b.rounding) << sqlQuote(b.issuer)
           << sqlQuote(b.payee) << sqlQuote(b.remark)
           << (b.printCount ? QString::number(*b.printCount) : QStringLiteral("NULL"));
    return run(insert("单据明细", fields, values));
}

} // namespace provision
