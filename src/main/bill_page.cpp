#include "main/bill_page.h"

#include "main/bill_panel.h"

#include <QFrame>

namespace {
constexpr int listWidth = 225;
}

BillPage::BillPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    houseListArea = new QFrame(this);
    houseListArea->setObjectName(QStringLiteral("houseListArea"));
    houseListArea->setFrameShape(QFrame::StyledPanel);
    houseListArea->setGeometry(0, 0, listWidth, 485);

    Panel5 = new BillPanel(this);
    Panel5->move(listWidth + 1, 0);
}
