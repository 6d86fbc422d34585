#pragma once
#include <QDate>

namespace provision {
class Provisioner;

// A dozen believable houses with their tenants, three payees and a year of
// monthly bills up to `today`: some houses paid up, some overdue, some
// receipts printed.
void addDemoData(Provisioner &to, const QDate &today);

// The benchmark's scale: `houses` houses, one tenant each, and
// `billsPerHouse` monthly bills per house ending around `today`.
void addScaleData(Provisioner &to, const QDate &today, int houses, int billsPerHouse);

} // namespace provision
