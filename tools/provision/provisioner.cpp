#include "provision/provisioner.h"

#include "platform/db/connection.h"
#include "platform/db/date_text.h"

#include <QStringList>

namespace provision {
namespace {

QVariant date(const QDate &day)
{
    return dateText::date(day);
}

QVariant dateTime(const QDateTime &moment)
{
    return dateText::dateTimeOmitMidnight(moment);
}

QString insert(const char *table, const QStringList &fields)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QString::fromUtf8(table), fields.join(QLatin1Char(',')),
             QStringList(fields.size(), QStringLiteral("?")).join(QLatin1Char(',')));
}

} // namespace

qint64 Provisioner::run(const QString &sql, const QList<QVariant> &values)
{
    db_.execute(sql, values);
    return db_.lastInsertId();
}

qint64 Provisioner::add(const House &h)
{
    return run(insert("房屋资料", {"地址", "目前租户", "起租日期", "结束日期", "押金", "备注"}),
               {h.address, h.tenants, date(h.leaseStart), date(h.leaseEnd), h.deposit, h.remark});
}

qint64 Provisioner::add(const Tenant &t)
{
    return run(insert("租户资料", {"租户名称", "身份证号", "籍贯", "电话", "QQEmail", "工作单位", "已租房号", "备注"}),
               {t.name, t.idCard, t.nativePlace, t.phone, t.qqEmail, t.employer, t.rentedHouse, t.remark});
}

qint64 Provisioner::add(const Payee &p)
{
    return run(insert("收款人", {"收款人", "PASS", "QXII", "备注"}), {p.name, p.password, p.rights, p.remark});
}

qint64 Provisioner::add(const Bill &b)
{
    QStringList fields{"单号", "住址", "租户姓名", "租金日期", "至租金日期", "添加日期"};
    QList<QVariant> values{b.number, b.address, b.tenants, dateTime(b.periodStart), dateTime(b.periodEnd),
                           dateTime(b.issued)};
    const struct {
        const char *prefix;
        const Meter &meter;
    } meters[] = {{"水费", b.water}, {"电费", b.electricity}, {"燃气", b.gas}};
    for (const auto &[prefix, meter] : meters) {
        const QString p = QString::fromUtf8(prefix);
        fields << p + "上月读数" << p + "本月读数" << p + "单价" << p + "限制" << p + "超出单价" << p + "金额";
        values << meter.last << meter.current << meter.price << meter.limit << meter.overPrice << meter.amount;
    }
    fields << "房租" << "卫生费" << "电视费" << "管理费" << "网费" << "其他费用" << "合计金额"
           << "合计大写" << "SRNUM" << "开票人" << "收款人" << "备注" << "Prn_Count";
    // The total goes in as the panel writes it: with two decimals.
    values << b.rent << b.sanitation << b.television << b.management << b.internet << b.other
           << QString::number(b.total, 'f', 2) << b.totalInWords << b.rounding << b.issuer << b.payee
           << b.remark << (b.printCount ? QVariant(*b.printCount) : QVariant());
    return run(insert("单据明细", fields), values);
}

} // namespace provision
