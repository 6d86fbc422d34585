#pragma once
#include <QAbstractTableModel>
#include <QPointer>

class Dataset;

// Shows a dataset's rows on show (pending row included) to Qt views, one
// column per field, as their display text.
class DatasetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DatasetModel(Dataset *dataset, QObject *parent = nullptr);

    Dataset *dataset() const { return dataset_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QPointer<Dataset> dataset_;
};
