#pragma once
#include "platform/dataset/field_value.h"
#include "platform/db/snapshot.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class Connection;

// A local sort order of a dataset's rows by one field.
struct DatasetIndex {
    QString field;
    bool descending = false;
    bool caseInsensitive = false;
};

struct DatasetLocateOptions {
    bool partialKey = false; // the field's text only has to begin with the value
    bool caseInsensitive = false;
};

// The rows of a query held as a snapshot, with a current record.
//
// A dataset either runs its own statement through a connection or is an
// in-memory copy of another dataset's result (its provider); either way it
// is refreshed by closing and opening it. Every move of the current record,
// and every open, calls the after-scroll handler. Rows are read-only: the
// insert and edit states only show a pending blank row or mark the record,
// and nothing is ever written back.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Insert, Edit };

    using LocalIndex = DatasetIndex;
    using LocateOptions = DatasetLocateOptions;

    using ScrollHandler = std::function<void(Dataset &)>;

    explicit Dataset(const QString &name, QObject *parent = nullptr);

    // --- source -------------------------------------------------------
    void setConnection(Connection *connection) { connection_ = connection; }
    void setCommandText(const QString &sql) { commandText_ = sql; }
    const QString &commandText() const { return commandText_; }
    void setProvider(Dataset *source) { provider_ = source; }

    // Runs the statement and opens on the first row; does nothing when
    // already open. A failing statement leaves the dataset closed.
    void open();
    void close();
    bool isOpen() const { return state_ != State::Inactive; }
    State state() const { return state_; }

    // --- cursor -------------------------------------------------------
    // Rows on show, the pending row included.
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    // Position of the current record among the rows on show; -1 when none.
    int recNo() const { return current_; }
    bool bof() const { return bof_; }
    bool eof() const { return eof_; }
    void first();
    void last();
    void next();
    void prior();
    void moveTo(int row);
    // Moves to the first row whose field matches; false, without moving,
    // when none does.
    bool locate(const QString &field, const QVariant &value, LocateOptions options = {});

    // --- states -------------------------------------------------------
    // A blank pending row before the current record (insert) or after the
    // last one (append); it is shown but never stored.
    void insert();
    void append();
    void edit();
    // Leaves the insert or edit state; a pending row disappears.
    void cancel();
    bool isPendingRow(int row) const { return row >= 0 && row == pendingAt_; }
    // True when the current record is a stored row, not the pending one.
    bool onStoredRecord() const { return current_ >= 0 && !isPendingRow(current_); }

    // --- fields -------------------------------------------------------
    QStringList fieldNames() const { return snapshot_.columns; }
    int fieldIndex(const QString &name) const { return snapshot_.columnIndex(name); }
    // A field of the current record. An unknown field name, or a closed
    // dataset, throws DbError; no current record reads as NULL.
    FieldValue field(const QString &name) const;
    FieldValue fieldAt(int row, int column) const;
    // The stored rows as they came from the engine, for walks that must not
    // move the cursor.
    const Snapshot &snapshot() const { return snapshot_; }
    // Stored row index of the row on show; -1 for the pending row.
    int storedRow(int row) const;

    // --- local index ----------------------------------------------------
    // Re-sorts the rows on show by one field; the current record stays current.
    void setLocalIndex(const LocalIndex &index);
    void clearLocalIndex();
    const std::optional<LocalIndex> &localIndex() const { return index_; }

    // --- notification ---------------------------------------------------
    void setAfterScroll(ScrollHandler handler) { afterScroll_ = std::move(handler); }
    const ScrollHandler &afterScroll() const { return afterScroll_; }

signals:
    // Around every change of the rows on show: open, close, re-sort, and
    // the pending row appearing or going.
    void rowsAboutToChange();
    void rowsChanged();
    void currentChanged(int row);

private:
    Snapshot fetch() const;
    void requireOpen() const;
    void leaveEditStates();
    void setCurrent(int row, bool notifyAlways);
    void notifyScroll();
    void applyIndex();
    void reorder(std::optional<LocalIndex> index);
    int rowOfStored(int stored) const;
    void addPendingRow(int at);

    Connection *connection_ = nullptr;
    Dataset *provider_ = nullptr;
    QString commandText_;

    Snapshot snapshot_;
    std::vector<int> order_; // stored row index for each row on show, pending row excluded
    std::optional<LocalIndex> index_;

    State state_ = State::Inactive;
    int current_ = -1;
    int pendingAt_ = -1;
    int rowBeforeInsert_ = -1;
    bool bof_ = true;
    bool eof_ = true;
    ScrollHandler afterScroll_;
};
