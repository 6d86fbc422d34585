#include "main/tenant_page.h"

#include "main/button_bar.h"

TenantPage::TenantPage(QWidget *parent) : MainPage(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    Panel3 = makeButtonBar(this, "Panel3");
}
