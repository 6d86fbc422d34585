#pragma once

// The bits of 收款人.QXII: a payee's permissions and his two login options.
namespace rights {

constexpr int Login = 1;
constexpr int AddBill = 2;
constexpr int ModifyBill = 4;
constexpr int DeleteBill = 8;
constexpr int ManageMasterData = 16;
constexpr int Reports = 32;
constexpr int RememberPassword = 65536;
constexpr int AutomaticLogin = 131072;

// The options live in QXII beside the permissions but are never rights.
constexpr int Options = RememberPassword | AutomaticLogin;

// Offered to the first payee when nobody could log in and manage the
// accounts: every permission and a remembered password.
constexpr int LockOutRescue = Login | AddBill | ModifyBill | DeleteBill | ManageMasterData | Reports
                              | RememberPassword;
static_assert(LockOutRescue == 65599);

// What a login keeps of the rights the list offered: the bits the
// lock-out rescue lends.
constexpr int Lendable = Login | ManageMasterData;

} // namespace rights
