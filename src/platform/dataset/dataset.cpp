#include "platform/dataset/dataset.h"

#include "platform/db/connection.h"
#include "platform/db/db_error.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <numeric>

Dataset::Dataset(const QString &name, QObject *parent) : QObject(parent)
{
    setObjectName(name);
}

Snapshot Dataset::fetch() const
{
    if (provider_)
        return provider_->fetch();
    if (!connection_)
        throw DbError(QStringLiteral("数据集“%1”没有连接").arg(objectName()));
    return connection_->query(commandText_);
}

void Dataset::open()
{
    if (isOpen())
        return;
    Snapshot fresh = fetch();
    emit rowsAboutToChange();
    snapshot_ = std::move(fresh);
    pendingAt_ = -1;
    try {
        applyIndex();
    } catch (...) {
        snapshot_ = Snapshot();
        order_.clear();
        emit rowsChanged();
        throw;
    }
    state_ = State::Browse;
    current_ = order_.empty() ? -1 : 0;
    bof_ = true;
    eof_ = order_.empty();
    emit rowsChanged();
    emit currentChanged(current_);
    notifyScroll();
}

void Dataset::close()
{
    if (!isOpen())
        return;
    emit rowsAboutToChange();
    snapshot_ = Snapshot();
    order_.clear();
    state_ = State::Inactive;
    current_ = pendingAt_ = rowBeforeInsert_ = -1;
    bof_ = eof_ = true;
    emit rowsChanged();
    emit currentChanged(current_);
}

int Dataset::recordCount() const
{
    return int(order_.size()) + (pendingAt_ >= 0 ? 1 : 0);
}

void Dataset::requireOpen() const
{
    if (!isOpen())
        throw DbError(QStringLiteral("数据集“%1”没有打开").arg(objectName()));
}

void Dataset::notifyScroll()
{
    if (afterScroll_) {
        // A handler may replace itself while it runs; keep the callable alive.
        const ScrollHandler handler = afterScroll_;
        handler(*this);
    }
}

void Dataset::setCurrent(int row, bool notifyAlways)
{
    const bool moved = row != current_;
    current_ = row;
    if (moved)
        emit currentChanged(current_);
    if (moved || notifyAlways)
        notifyScroll();
}

// Moving away ends the insert or edit state without writing anything.
void Dataset::leaveEditStates()
{
    if (state_ == State::Insert || state_ == State::Edit)
        cancel();
}

void Dataset::first()
{
    requireOpen();
    leaveEditStates();
    bof_ = true;
    eof_ = isEmpty();
    setCurrent(isEmpty() ? -1 : 0, true);
}

void Dataset::last()
{
    requireOpen();
    leaveEditStates();
    eof_ = true;
    bof_ = isEmpty();
    setCurrent(recordCount() - 1, true);
}

void Dataset::next()
{
    requireOpen();
    leaveEditStates();
    if (current_ + 1 < recordCount()) {
        bof_ = eof_ = false;
        setCurrent(current_ + 1, false);
    } else {
        eof_ = true;
    }
}

void Dataset::prior()
{
    requireOpen();
    leaveEditStates();
    if (current_ > 0) {
        bof_ = eof_ = false;
        setCurrent(current_ - 1, false);
    } else {
        bof_ = true;
    }
}

void Dataset::moveTo(int row)
{
    requireOpen();
    if (row < 0 || row >= recordCount() || row == current_)
        return;
    if (state_ == State::Insert) {
        // The pending row goes away first, which shifts the rows after it.
        const int stored = storedRow(row);
        leaveEditStates();
        row = rowOfStored(stored);
        if (row < 0)
            return;
    }
    leaveEditStates();
    bof_ = eof_ = false;
    setCurrent(row, false);
}

bool Dataset::locate(const QString &fieldName, const QVariant &value, LocateOptions options)
{
    requireOpen();
    const int column = fieldIndex(fieldName);
    if (column < 0)
        throw DbError(QStringLiteral("数据集“%1”没有字段“%2”").arg(objectName(), fieldName));
    leaveEditStates();
    const QString wanted = value.toString();
    const Qt::CaseSensitivity cs = options.caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int row = 0; row < recordCount(); ++row) {
        const QString text = fieldAt(row, column).asString();
        const bool match = options.partialKey ? text.startsWith(wanted, cs)
                                              : text.compare(wanted, cs) == 0;
        if (match) {
            bof_ = row == 0;
            eof_ = false;
            setCurrent(row, true);
            return true;
        }
    }
    return false;
}

void Dataset::addPendingRow(int at)
{
    emit rowsAboutToChange();
    rowBeforeInsert_ = current_;
    pendingAt_ = at;
    state_ = State::Insert;
    emit rowsChanged();
    bof_ = eof_ = false;
    current_ = -2; // force a move notification onto the pending row
    setCurrent(at, true);
}

void Dataset::insert()
{
    requireOpen();
    leaveEditStates();
    addPendingRow(std::max(current_, 0));
}

void Dataset::append()
{
    requireOpen();
    leaveEditStates();
    addPendingRow(recordCount());
}

void Dataset::edit()
{
    requireOpen();
    if (state_ == State::Browse && onStoredRecord())
        state_ = State::Edit;
}

void Dataset::cancel()
{
    if (state_ == State::Edit) {
        state_ = State::Browse;
        return;
    }
    if (state_ != State::Insert)
        return;
    emit rowsAboutToChange();
    pendingAt_ = -1;
    state_ = State::Browse;
    emit rowsChanged();
    const int back = std::min(rowBeforeInsert_, recordCount() - 1);
    current_ = -2;
    setCurrent(recordCount() == 0 ? -1 : std::max(back, 0), true);
}

int Dataset::storedRow(int row) const
{
    if (row < 0 || row >= recordCount() || isPendingRow(row))
        return -1;
    return order_[size_t(pendingAt_ >= 0 && row > pendingAt_ ? row - 1 : row)];
}

FieldValue Dataset::fieldAt(int row, int column) const
{
    if (column < 0 || column >= snapshot_.columns.size())
        return FieldValue();
    const QByteArray &type = snapshot_.declaredTypes.at(column);
    const int stored = storedRow(row);
    if (stored < 0)
        return FieldValue(QVariant(), type);
    return FieldValue(snapshot_.rows.at(stored).at(column), type);
}

FieldValue Dataset::field(const QString &name) const
{
    requireOpen();
    const int column = fieldIndex(name);
    if (column < 0)
        throw DbError(QStringLiteral("数据集“%1”没有字段“%2”").arg(objectName(), name));
    return fieldAt(current_, column);
}

void Dataset::applyIndex()
{
    order_.resize(size_t(snapshot_.rows.size()));
    std::iota(order_.begin(), order_.end(), 0);
    if (!index_)
        return;
    const int column = snapshot_.columnIndex(index_->field);
    if (column < 0)
        throw DbError(QStringLiteral("数据集“%1”没有字段“%2”").arg(objectName(), index_->field));

    QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
    collator.setNumericMode(false);
    collator.setCaseSensitivity(index_->caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive);
    const auto compare = [&](int a, int b) {
        const QVariant &x = snapshot_.rows.at(a).at(column);
        const QVariant &y = snapshot_.rows.at(b).at(column);
        const bool xNull = !x.isValid() || x.isNull();
        const bool yNull = !y.isValid() || y.isNull();
        if (xNull || yNull)
            return int(yNull) - int(xNull); // NULL sorts first
        const bool xNumber = x.typeId() == QMetaType::LongLong || x.typeId() == QMetaType::Double;
        const bool yNumber = y.typeId() == QMetaType::LongLong || y.typeId() == QMetaType::Double;
        if (xNumber && yNumber) {
            const double dx = x.toDouble(), dy = y.toDouble();
            return dx < dy ? -1 : (dx > dy ? 1 : 0);
        }
        return collator.compare(x.toString(), y.toString());
    };
    const bool descending = index_->descending;
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const int c = compare(a, b);
        return descending ? c > 0 : c < 0;
    });
}

void Dataset::setLocalIndex(const LocalIndex &index)
{
    reorder(index);
}

void Dataset::clearLocalIndex()
{
    reorder(std::nullopt);
}

void Dataset::reorder(std::optional<LocalIndex> index)
{
    const std::optional<LocalIndex> previous = index_;
    index_ = std::move(index);
    if (!isOpen())
        return;
    leaveEditStates();
    const int stored = storedRow(current_);
    emit rowsAboutToChange();
    try {
        applyIndex();
    } catch (...) {
        index_ = previous;
        applyIndex();
        emit rowsChanged();
        throw;
    }
    emit rowsChanged();
    const int row = rowOfStored(stored);
    current_ = row >= 0 ? row : (order_.empty() ? -1 : 0);
    emit currentChanged(current_);
}

int Dataset::rowOfStored(int stored) const
{
    const auto found = std::find(order_.begin(), order_.end(), stored);
    if (stored < 0 || found == order_.end())
        return -1;
    const int row = int(found - order_.begin());
    return pendingAt_ >= 0 && row >= pendingAt_ ? row + 1 : row;
}
