#include "main/tenant_page.h"

#include "main/button_bar.h"

TenantPage::TenantPage(TDM1 &dataModule, QWidget *parent) : MainPage(dataModule, parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    Panel3 = makeButtonBar(this, "Panel3");
}
