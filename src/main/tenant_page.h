#pragma once
#include "main/main_page.h"

class QFrame;

// Page "租户管理": the tenants. Its button bar is hidden from users who may not
// change master data.
class TenantPage : public MainPage {
    Q_OBJECT
public:
    explicit TenantPage(TDM1 &dataModule, QWidget *parent = nullptr);

    QFrame *Panel3; // button bar
};
