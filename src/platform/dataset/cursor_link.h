#pragma once
#include <QObject>

class Dataset;
class QItemSelectionModel;

// Keeps a view's current row and a dataset's current record together:
// moving in the view moves the dataset, and a move of the dataset (a
// locate, a reopen) moves the view.
class CursorLink : public QObject {
    Q_OBJECT
public:
    CursorLink(Dataset *dataset, QItemSelectionModel *selection, QObject *parent = nullptr);

private:
    void followDataset(int row);

    Dataset *dataset_;
    QItemSelectionModel *selection_;
    bool syncing_ = false;
};
