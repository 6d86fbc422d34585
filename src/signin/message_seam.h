#pragma once
#include <QString>

#include <functional>
#include <optional>

// The one hook into MsgInfo and MsgConfirm. While an answerer is set, the
// two routines show no window: they hand title and text to the answerer
// and return its answer. Tests of the pages use it to see which message a
// handler showed and to answer questions; the program never sets it.
using MessageAnswerer = std::function<int(const QString &title, const QString &text)>;

// An empty answerer brings the windows back.
void setMessageAnswerer(MessageAnswerer answerer);

// The answerer's answer, when one is set (for MsgInfo and MsgConfirm).
std::optional<int> answerWithoutWindow(const QString &title, const QString &text);
