#pragma once
#include "main/main_page.h"

class QFrame;

// Page "收款人管理": the payees and their rights. Its button bar is hidden from
// users who may not change master data.
class PayeePage : public MainPage {
    Q_OBJECT
public:
    explicit PayeePage(TDM1 &dataModule, QWidget *parent = nullptr);

    QFrame *Panel6; // button bar
};
