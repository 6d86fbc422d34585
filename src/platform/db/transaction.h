#pragma once

class Connection;

// Groups statements so that they land together or not at all: a transaction
// that is not committed is rolled back when it goes out of scope.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void commit();

private:
    Connection &connection_;
    bool open_ = true;
};
