#pragma once
// The arithmetic of one bill, apart from the panel that shows it: the
// consumption and two-tier amount of a utility, and the rounded total.

struct UtilityCharge {
    double used = 0;   // this reading minus the last, rounded to the cent
    double amount = 0; // rounded to the cent
};

// Consumption up to a positive limit is priced normally, the part above it
// at the over-limit price; a limit of 0 means no limit.
UtilityCharge utilityCharge(double lastReading, double thisReading, double unitPrice,
                            double limit, double overLimitPrice);

struct BillParts {
    double water = 0, electricity = 0, rent = 0, sanitation = 0, television = 0,
           management = 0, internet = 0, other = 0, gas = 0;
};

// The sum of all parts, rounded by the bill's rounding mode.
double billTotal(const BillParts &parts, int roundingMode);
