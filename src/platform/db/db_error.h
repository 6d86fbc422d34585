#pragma once
#include <QString>

#include <stdexcept>

// A failure of the database engine or of a dataset. It carries the engine's
// own message text, which callers show to the user unchanged.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString &message() const { return message_; }

private:
    QString message_;
};
