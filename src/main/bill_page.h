#pragma once
#include "main/main_page.h"

class BillPanel;
class QFrame;

// Page 0, "票据/打印": the house list on the left, the bill panel of the
// selected house top right.
class BillPage : public MainPage {
    Q_OBJECT
public:
    explicit BillPage(QWidget *parent = nullptr);
    ~BillPage() override;

    // The data module shows the selected house's bill in the panel; a
    // figure the panel cannot compute is reported in a message.
    void linkTo(TDM1 &dm);

    QFrame *houseListArea;
    BillPanel *Panel5;

    // The rental period starts and ends today.
    void setDatesToToday(const QDate &today) override;
    // Issuer and payee offer every payee's name.
    void fillChoices(TDM1 &dm) override;
    // The bill is shown, not edited.
    void lockPanels() override;

private:
    TDM1 *dm_ = nullptr;
};
