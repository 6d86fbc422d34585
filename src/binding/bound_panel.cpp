#include "binding/bound_panel.h"

#include <QVariant>

namespace {
const char *tagProperty = "bindingTag";
const QColor silver(192, 192, 192);
} // namespace

BoundPanel::BoundPanel(const QString &table, QWidget *parent) : QFrame(parent), helpKeyword(table)
{
}

void BoundPanel::bind(QWidget *control, const QString &field, int tag)
{
    controls_.append({control, field});
    setControlTag(control, tag);
}

QWidget *BoundPanel::controlFor(const QString &field) const
{
    for (const Control &c : controls_)
        if (!field.isEmpty() && c.field == field)
            return c.widget;
    return nullptr;
}

int controlTag(const QWidget *control)
{
    return control->property(tagProperty).toInt();
}

void setControlTag(QWidget *control, int tag)
{
    control->setProperty(tagProperty, tag);
}

void paintSilver(QWidget *control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, silver);
    palette.setColor(QPalette::Button, silver);
    control->setPalette(palette);
}

bool isSilver(const QWidget *control)
{
    return control->palette().color(QPalette::Base) == silver;
}
