#include "main/format_page.h"

#include "core/data_module.h"

#include <QFrame>

FormatPage::FormatPage(TDM1 &dataModule, QWidget *parent) : MainPage(dataModule, parent)
{
    setObjectName(QStringLiteral("TabSheet5"));
    Panel7 = new QFrame(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setGeometry(0, 0, 976, 485);
}

void FormatPage::pageSelected()
{
    // The bill list is opened only once a house is selected; before that,
    // and on a new bill not yet saved, there is no bill to show.
    const qint64 billKey = dm.CDS1.isOpen() ? dm.CDS1.field(QStringLiteral("IDS")).asInteger() : 0;
    previewCondition_ = QStringLiteral(" WHERE (IDS=") + QString::number(billKey) + QStringLiteral(")");
}
