#include "main/button_bar.h"

#include <QFrame>

namespace {
constexpr int barHeight = 36;
constexpr int pageWidth = 976;
}

QFrame *makeButtonBar(QWidget *page, const char *name)
{
    auto *bar = new QFrame(page);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(0, 0, pageWidth, barHeight);
    bar->setStyleSheet(QStringLiteral("QFrame#%1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                      " stop:0 #f4f8fc, stop:1 #dde8f3); border-bottom: 1px solid #b6cce2; }")
                           .arg(QLatin1String(name)));
    return bar;
}
