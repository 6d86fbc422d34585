#include "main/bill_page.h"

#include "binding/panel_binding.h"
#include "core/data_module.h"
#include "main/bill_panel.h"
#include "signin/message_box.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QLineEdit>

namespace {
constexpr int listWidth = 225;
}

BillPage::BillPage(TDM1 &dataModule, QWidget *parent) : MainPage(dataModule, parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    houseListArea = new QFrame(this);
    houseListArea->setObjectName(QStringLiteral("houseListArea"));
    houseListArea->setFrameShape(QFrame::StyledPanel);
    houseListArea->setGeometry(0, 0, listWidth, 485);

    Panel5 = new BillPanel(this);
    Panel5->move(listWidth + 1, 0);

    BillPanel *panel = Panel5;
    dm.setBillPanel({
        [panel](const QString &address, const QString &tenant) {
            panel->Edit30->setText(address);
            panel->Edit31->setText(tenant);
        },
        [this, panel] { CDS1AfterScroll(*panel, dm.CDS1, panel->isEditing()); },
    });
    connect(panel, &BillPanel::computationFailed, this, [](const QString &message) { MsgInfo(message); });
}

BillPage::~BillPage()
{
    dm.setBillPanel({});
}

void BillPage::setDatesToToday(const QDate &today)
{
    Panel5->DateTimePicker1->setDate(today);
    Panel5->DateTimePicker2->setDate(today);
}

void BillPage::fillChoices()
{
    const QString payeeField = QStringLiteral("收款人");
    dm.FillCombo(payeeField, dm.ADOSKR, Panel5->ComboBox1);
    dm.FillCombo(payeeField, dm.ADOSKR, Panel5->ComboBox2);
}

void BillPage::lockPanels()
{
    EnablePanel(*Panel5, false);
}
