#pragma once
#include "main/main_page.h"

class QFrame;

// Page "出租屋管理": the houses for rent. Its button bar is hidden from users who
// may not change master data.
class HousePage : public MainPage {
    Q_OBJECT
public:
    explicit HousePage(TDM1 &dataModule, QWidget *parent = nullptr);

    QFrame *Panel2; // button bar
};
