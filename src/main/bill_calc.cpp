#include "main/bill_calc.h"

#include "main/bill_money.h"

UtilityCharge utilityCharge(double lastReading, double thisReading, double unitPrice,
                            double limit, double overLimitPrice)
{
    UtilityCharge charge;
    charge.used = RoundSR(0, double(static_cast<long double>(thisReading) - lastReading));
    double amount = charge.used * unitPrice;
    if (limit > 0 && charge.used > limit)
        amount = double(static_cast<long double>(limit) * unitPrice
                        + (static_cast<long double>(charge.used) - limit) * overLimitPrice);
    charge.amount = RoundSR(0, amount);
    return charge;
}

double billTotal(const BillParts &p, int roundingMode)
{
    // Added in this order, in extended precision, as the panel does.
    long double sum = 0;
    for (double part : {p.water, p.electricity, p.rent, p.sanitation, p.television, p.management,
                        p.internet, p.other, p.gas})
        sum += part;
    return RoundSR(roundingMode, double(sum));
}
