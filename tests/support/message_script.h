#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// Records every message and answers from a script while it lives: the
// queued answers in order, then 6, the answer of Enter.
class MessageScript {
public:
    explicit MessageScript(QList<int> answers = {});
    ~MessageScript();
    MessageScript(const MessageScript &) = delete;
    MessageScript &operator=(const MessageScript &) = delete;

    QStringList titles;
    QStringList texts;
    QList<int> answers;
};
