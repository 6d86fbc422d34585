#pragma once
#include <QDateTime>

namespace provision {
class Provisioner;

// A dozen believable houses with their tenants, three payees and a year of
// monthly bills up to `now`: some houses paid up, some overdue, some
// receipts printed.
void addDemoData(Provisioner &to, const QDateTime &now);

// The benchmark's scale: `houses` houses, one tenant each, and
// `billsPerHouse` monthly bills per house ending around `now`.
void addScaleData(Provisioner &to, const QDateTime &now, int houses, int billsPerHouse);

} // namespace provision
