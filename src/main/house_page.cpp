#include "main/house_page.h"

#include "main/button_bar.h"

HousePage::HousePage(TDM1 &dataModule, QWidget *parent) : MainPage(dataModule, parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    Panel2 = makeButtonBar(this, "Panel2");
}
