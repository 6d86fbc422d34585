#include "demo_data.h"

#include "main/bill_calc.h"
#include "main/bill_money.h"
#include "provision/provisioner.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace provision {
namespace {

// Prices of the town's utilities: normal price, monthly limit, over-limit price.
struct Tariff {
    double price;
    qint64 limit;
    double overPrice;
};
constexpr Tariff waterTariff{3.5, 20, 5.2};
constexpr Tariff electricityTariff{0.62, 150, 0.95};
constexpr Tariff gasTariff{2.8, 15, 3.6};

// Deterministic variation, so every run gives the same file.
class Sequence {
public:
    explicit Sequence(unsigned seed) : state_(seed) {}
    int below(int bound)
    {
        state_ = state_ * 1103515245u + 12345u;
        return int((state_ >> 16) % unsigned(bound));
    }

private:
    unsigned state_;
};

struct Readings {
    double water = 0, electricity = 0, gas = 0;
};

Meter meterFor(const Tariff &tariff, double last, double current)
{
    const UtilityCharge charge = utilityCharge(last, current, tariff.price, double(tariff.limit),
                                               tariff.overPrice);
    return Meter{last, current, tariff.price, tariff.limit, tariff.overPrice, charge.amount};
}

// One month's bill of a house: the readings move on by a month's use.
Bill monthlyBill(qint64 number, const QString &address, const QString &tenants, const QDate &start,
                 double rent, Readings &readings, Sequence &vary, const QString &issuer,
                 const QString &payee, const QDateTime &notAfter)
{
    Bill bill;
    bill.number = number;
    bill.address = address;
    bill.tenants = tenants;
    bill.periodStart = QDateTime(start, QTime(0, 0));
    bill.periodEnd = QDateTime(start.addMonths(1).addDays(-1), QTime(0, 0));
    bill.issued = std::min(QDateTime(start.addDays(vary.below(3)), QTime(9 + vary.below(9), vary.below(60))),
                           notAfter);

    const Readings next{readings.water + 8 + vary.below(18), readings.electricity + 60 + vary.below(160),
                        readings.gas + 4 + vary.below(16)};
    bill.water = meterFor(waterTariff, readings.water, next.water);
    bill.electricity = meterFor(electricityTariff, readings.electricity, next.electricity);
    bill.gas = meterFor(gasTariff, readings.gas, next.gas);
    readings = next;

    bill.rent = rent;
    bill.sanitation = 10;
    bill.television = 25;
    bill.management = 30;
    bill.internet = vary.below(2) ? 50 : 0;
    bill.other = vary.below(8) == 0 ? 15.5 : 0;
    bill.rounding = vary.below(4);
    bill.total = billTotal({bill.water.amount, bill.electricity.amount, bill.rent, bill.sanitation,
                            bill.television, bill.management, bill.internet, bill.other,
                            bill.gas.amount},
                           bill.rounding);
    bill.totalInWords = MoneyToDX(QString::number(bill.total, 'f', 2).toDouble());
    bill.issuer = issuer;
    bill.payee = payee;
    return bill;
}

struct DemoHouse {
    const char *address;
    double rent;
    std::array<const char *, 2> tenants; // empty entries: fewer tenants
    int monthsBehind;                    // 0: paid for the current month
};

const DemoHouse demoHouses[] = {
    {"幸福里1栋101", 1200, {"张伟", ""}, 0},
    {"幸福里1栋102", 1150, {"王芳", "李强"}, 0},
    {"幸福里1栋201", 1300, {"刘洋", ""}, 1},
    {"幸福里1栋202", 1300, {"陈静", ""}, 0},
    {"幸福里2栋101", 980, {"杨磊", ""}, 2},
    {"幸福里2栋102", 980, {"赵敏", "黄涛"}, 0},
    {"幸福里2栋301", 1050, {"周杰", ""}, 0},
    {"幸福里2栋302", 1050, {"吴霞", ""}, 3},
    {"东门街18号3楼", 1800, {"徐明", ""}, 0},
    {"东门街18号4楼", 1750, {"孙丽", ""}, 1},
    {"南湖路66号A座", 2200, {"马超", "朱琳"}, 0},
    {"南湖路66号B座", 2100, {"", ""}, 5},
};

const char *nativePlaces[] = {"湖南长沙", "四川成都", "河南郑州", "江西南昌", "湖北武汉", "广西桂林"};
const char *employers[] = {"宏达电子厂", "美佳超市", "顺丰速运", "市第一医院", "个体经营", "新华书店"};

QString idCardFor(int n)
{
    return QStringLiteral("4301%1%2").arg(19800101 + n * 1013, 8, 10, QLatin1Char('0')).arg(1000 + n * 37, 4, 10, QLatin1Char('0'));
}

// Numbers are drawn as bills are issued, across all houses.
void insertNumbered(Provisioner &to, std::vector<Bill> &bills)
{
    std::stable_sort(bills.begin(), bills.end(),
                     [](const Bill &a, const Bill &b) { return a.issued < b.issued; });
    qint64 number = 0;
    for (Bill &bill : bills) {
        bill.number = ++number;
        to.add(bill);
    }
}

} // namespace

void addDemoData(Provisioner &to, const QDateTime &now)
{
    const QDate today = now.date();
    const Payee payees[] = {
        firstAccount,
        {QStringLiteral("王会计"), QStringLiteral("1111"), 1 | 2 | 4 | 32, QStringLiteral("负责开票")},
        {QStringLiteral("李出纳"), QStringLiteral("2222"), 1 | 2 | 32 | 65536, QStringLiteral("负责收款")},
    };
    for (const Payee &payee : payees)
        to.add(payee);

    Sequence vary(2011);
    const QDate thisMonth(today.year(), today.month(), 1);
    std::vector<Bill> bills;
    int person = 0;
    for (const DemoHouse &h : demoHouses) {
        const QString address = QString::fromUtf8(h.address);
        QStringList names;
        for (const char *name : h.tenants) {
            if (!*name)
                continue;
            names << QString::fromUtf8(name);
            to.add(Tenant{names.last(), idCardFor(person), QString::fromUtf8(nativePlaces[person % 6]),
                          QStringLiteral("13%1").arg(700000000 + person * 7919, 9, 10, QLatin1Char('0')),
                          QStringLiteral("%1@qq.com").arg(10000 + person * 131),
                          QString::fromUtf8(employers[person % 6]), address, QString()});
            ++person;
        }
        const QString tenants = names.join(QLatin1Char(','));
        const QDate leaseStart = thisMonth.addMonths(-12 - h.monthsBehind);
        to.add(House{address, tenants, leaseStart, leaseStart.addYears(2), qint64(h.rent * 2),
                     h.monthsBehind > 2 ? QStringLiteral("已催缴") : QString()});

        Readings readings{double(100 + vary.below(400)), double(1000 + vary.below(5000)),
                          double(50 + vary.below(300))};
        for (int month = 12 + h.monthsBehind; month > h.monthsBehind; --month) {
            const QDate start = thisMonth.addMonths(1 - month);
            Bill bill = monthlyBill(0, address, tenants, start, h.rent, readings, vary,
                                    payees[1 + vary.below(2)].name, payees[vary.below(3)].name, now);
            bill.printCount = month > 2 + h.monthsBehind ? std::optional<qint64>(1 + vary.below(2))
                                                         : std::nullopt;
            bills.push_back(bill);
        }
    }
    insertNumbered(to, bills);
}

void addScaleData(Provisioner &to, const QDateTime &now, int houses, int billsPerHouse)
{
    const QDate today = now.date();
    to.add(firstAccount);
    Sequence vary(2000);
    const QDate thisMonth(today.year(), today.month(), 1);
    std::vector<Bill> bills;
    bills.reserve(size_t(houses) * size_t(billsPerHouse));
    for (int h = 0; h < houses; ++h) {
        const QString address = QStringLiteral("%1栋%2室").arg(h / 100 + 1).arg(h % 100 + 101);
        const QString tenant = QStringLiteral("租户%1").arg(h + 1, 4, 10, QLatin1Char('0'));
        to.add(Tenant{tenant, idCardFor(h), QString(), QString(), QString(), QString(), address, QString()});
        const int behind = h % 7 == 0 ? 2 : 0;
        to.add(House{address, tenant, thisMonth.addMonths(-billsPerHouse - behind),
                     thisMonth.addMonths(12), 2000, QString()});
        Readings readings;
        for (int month = billsPerHouse + behind; month > behind; --month) {
            Bill bill = monthlyBill(0, address, tenant, thisMonth.addMonths(1 - month), 1000 + (h % 10) * 100,
                                    readings, vary, firstAccount.name, firstAccount.name, now);
            bill.printCount = month > 1 ? std::optional<qint64>(1) : std::nullopt;
            bills.push_back(std::move(bill));
        }
    }
    insertNumbered(to, bills);
}

} // namespace provision
