#include "platform/dataset/dataset_model.h"

#include "platform/dataset/dataset.h"

DatasetModel::DatasetModel(Dataset *dataset, QObject *parent)
    : QAbstractTableModel(parent), dataset_(dataset)
{
    connect(dataset, &Dataset::rowsAboutToChange, this, &DatasetModel::beginResetModel);
    connect(dataset, &Dataset::rowsChanged, this, &DatasetModel::endResetModel);
}

int DatasetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !dataset_ ? 0 : dataset_->recordCount();
}

int DatasetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !dataset_ ? 0 : int(dataset_->fieldNames().size());
}

QVariant DatasetModel::data(const QModelIndex &index, int role) const
{
    if (!dataset_ || !index.isValid())
        return {};
    const FieldValue value = dataset_->fieldAt(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return value.asString();
    case Qt::EditRole:
        return value.value();
    default:
        return {};
    }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (!dataset_ || role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const QStringList names = dataset_->fieldNames();
    return section < names.size() ? QVariant(names.at(section)) : QVariant();
}
