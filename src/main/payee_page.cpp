#include "main/payee_page.h"

#include "main/button_bar.h"

PayeePage::PayeePage(QWidget *parent) : MainPage(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    Panel6 = makeButtonBar(this, "Panel6");
}
