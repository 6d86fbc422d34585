#pragma once
#include <QWidget>

class BillPanel;
class QFrame;

// Page 0, "票据/打印": the house list on the left, the bill panel of the
// selected house top right.
class BillPage : public QWidget {
    Q_OBJECT
public:
    explicit BillPage(QWidget *parent = nullptr);

    QFrame *houseListArea;
    BillPanel *Panel5;
};
