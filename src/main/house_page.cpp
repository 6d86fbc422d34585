#include "main/house_page.h"

#include "main/button_bar.h"

HousePage::HousePage(QWidget *parent) : MainPage(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    Panel2 = makeButtonBar(this, "Panel2");
}
