#pragma once
#include <QWidget>

class QFrame;

// Page "单据格式": the layout of the printed bills and their batch printing.
class FormatPage : public QWidget {
    Q_OBJECT
public:
    explicit FormatPage(QWidget *parent = nullptr);

    QFrame *Panel7; // holds the batch-print frame
};
