#pragma once
#include "main/main_page.h"

class BillPanel;
class QFrame;

// Page 0, "票据/打印": the house list on the left, the bill panel of the
// selected house top right. The data module shows the selected house's
// bill in the panel; a figure the panel cannot compute is reported in a
// message.
class BillPage : public MainPage {
    Q_OBJECT
public:
    explicit BillPage(TDM1 &dataModule, QWidget *parent = nullptr);
    // Unhooks the panel from the data module, which outlives the page.
    ~BillPage() override;

    QFrame *houseListArea;
    BillPanel *Panel5;

    // The rental period starts and ends today.
    void setDatesToToday(const QDate &today) override;
    // Issuer and payee offer every payee's name.
    void fillChoices() override;
    // The bill is shown, not edited.
    void lockPanels() override;
};
