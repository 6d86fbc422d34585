#include "platform/dataset/cursor_link.h"

#include "platform/dataset/dataset.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>

CursorLink::CursorLink(Dataset *dataset, QItemSelectionModel *selection, QObject *parent)
    : QObject(parent), dataset_(dataset), selection_(selection)
{
    connect(selection, &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (syncing_ || !current.isValid() || !dataset_->isOpen())
                    return;
                syncing_ = true;
                dataset_->moveTo(current.row());
                syncing_ = false;
            });
    connect(dataset, &Dataset::currentChanged, this, &CursorLink::followDataset);
    // A model reset clears the view's current index; put it back on the record.
    connect(dataset, &Dataset::rowsChanged, this, [this] { followDataset(dataset_->recNo()); });
}

void CursorLink::followDataset(int row)
{
    if (syncing_)
        return;
    const QAbstractItemModel *model = selection_->model();
    if (!model)
        return;
    syncing_ = true;
    if (row < 0 || row >= model->rowCount()) {
        selection_->clearCurrentIndex();
    } else {
        const int column = std::max(selection_->currentIndex().column(), 0);
        selection_->setCurrentIndex(model->index(row, column),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    syncing_ = false;
}
