#include "main/format_page.h"

#include <QFrame>

FormatPage::FormatPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));
    Panel7 = new QFrame(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel7->setGeometry(0, 0, 976, 485);
}
