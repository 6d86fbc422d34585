#pragma once
#include <QString>

// What the pages share: the logged-in user and the key of the record each
// page acts on (-1 while a new record is being added, 0 when idle). The main
// window owns it; the data module keeps the keys current and writes the
// user's name into the log.
struct AppState {
    QString LoginName;
    int UserRights = 0;
    int BillIDS = 0;
    int HouseKey = 0;
    int TenantKey = 0;
    int PayeeKey = 0;
};
