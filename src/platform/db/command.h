#pragma once
#include <QString>

class Connection;

// A statement that returns no rows, run through a connection. Its text is
// set per use, as a caller would fill in a command object.
class Command {
public:
    explicit Command(Connection &connection) : connection_(connection) {}

    void setCommandText(const QString &sql) { text_ = sql; }
    const QString &commandText() const { return text_; }
    // Runs the current text; gives the number of rows changed.
    int execute();

private:
    Connection &connection_;
    QString text_;
};
