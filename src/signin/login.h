#pragma once

struct AppState;
class TDM1;
class TMsgForm1;

// The login dialog: 6 once a payee has logged in, with LoginName and
// UserRights set; 0 when the user left or the payees could not be read,
// in which case the dialog was never shown.
int ShowLogin(TDM1 &dm, AppState &state);

// One login attempt with the name and password on the form's login panel.
// Closes the form with Tag 6 on success; otherwise shows why and leaves
// the form open.
void BitBtn4Click(TMsgForm1 &form, TDM1 &dm, AppState &state);
