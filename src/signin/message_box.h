#pragma once
#include <QString>

// The system's own message box, in the skin of its windows. "\r" in a
// text breaks the line. Both return only when the box has closed.

// One button "确定": 6 for 确定, Enter or Escape; 0 when closed through
// the close area.
int MsgInfo(const QString &text);
// "是" and "否": 6 for 是 or Enter; 0 for 否, Escape or the close area.
int MsgConfirm(const QString &text);
