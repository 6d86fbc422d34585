#include "main/payee_page.h"

#include "main/button_bar.h"

PayeePage::PayeePage(TDM1 &dataModule, QWidget *parent) : MainPage(dataModule, parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    Panel6 = makeButtonBar(this, "Panel6");
}
