#include "main/bill_panel.h"

#include "binding/panel_binding.h"
#include "main/bill_calc.h"
#include "main/bill_money.h"
#include "main/header_strip.h"
#include "main/limit_indicator.h"
#include "main/limit_slider.h"
#include "platform/dataset/field_value.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>

namespace {

// Empty or unparsable text counts as 0; only "." separates decimals.
double number(const QLineEdit *edit)
{
    bool ok = false;
    const double value = edit->text().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0;
}

bool isNumberCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-' || c == u'\b' || c == u'\r';
}

// Control characters (Tab, Escape, Delete) are keys, not typed text.
bool hasForbiddenCharacter(const QString &text)
{
    for (QChar c : text)
        if (!isNumberCharacter(c) && c.isPrint())
            return true;
    return false;
}

bool isInputControl(const QObject *object)
{
    return qobject_cast<const QLineEdit *>(object) || qobject_cast<const QComboBox *>(object)
           || qobject_cast<const QDateTimeEdit *>(object);
}

} // namespace

BillPanel::BillPanel(QWidget *parent) : BoundPanel(QStringLiteral("单据明细"), parent)
{
    setObjectName(QStringLiteral("Panel5"));
    createControls();
    rows_ = {{
        {Edit6, Edit7, Edit8, Edit9, Edit35, Edit10, Edit37, Panel13, QStringLiteral("度"), 1},
        {Edit1, Edit2, Edit3, Edit4, Edit34, Edit5, Edit36, Panel12, QStringLiteral("吨"), 2},
        {Edit38, Edit39, Edit40, Edit41, Edit43, Edit42, Edit44, Panel14, QStringLiteral("立"), 3},
    }};
    layOutControls();
    chainTabOrder();
    bindFields();
    connectHandlers();
    // A bill is shown, not edited, until the page starts adding or modifying.
    EnablePanel(*this, false);
}

void BillPanel::bindFields()
{
    // Panel order; the unbound controls (tag 0) sit where they were created.
    const struct {
        QWidget *control;
        const char *field;
        int tag;
    } bindings[] = {
        {Edit1, "水费上月读数", 3},     {Edit2, "水费本月读数", 3}, {Edit3, "", 0},
        {Edit4, "水费单价", 3},         {Edit5, "水费金额", 2},     {Edit6, "电费上月读数", 3},
        {Edit7, "电费本月读数", 3},     {Edit8, "", 0},             {Edit9, "电费单价", 3},
        {Edit10, "电费金额", 2},        {Edit11, "房租", 3},        {Edit12, "卫生费", 3},
        {Edit13, "电视费", 3},          {Edit14, "管理费", 3},      {Edit15, "网费", 3},
        {Edit16, "其他费用", 3},        {Edit17, "备注", 3},        {Edit18, "合计大写", 2},
        {Edit19, "合计金额", 2},        {DateTimePicker1, "租金日期", 3},
        {DateTimePicker2, "至租金日期", 3}, {ComboBox1, "开票人", 3}, {ComboBox2, "收款人", 3},
        {Edit28, "单号", 2},            {Edit30, "住址", 3},        {Edit31, "租户姓名", 3},
        {Edit32, "", 0},                {Edit33, "添加日期", 3},    {Edit34, "水费超出单价", 3},
        {Edit35, "电费超出单价", 3},    {Edit36, "水费限制", 3},    {Edit37, "电费限制", 3},
        {Edit38, "燃气上月读数", 3},    {Edit39, "燃气本月读数", 3}, {Edit40, "", 0},
        {Edit41, "燃气单价", 3},        {Edit42, "燃气金额", 2},    {Edit43, "燃气超出单价", 3},
        {Edit44, "燃气限制", 3},        {ComboBox5, "SRNUM", 3},
    };
    for (const auto &b : bindings)
        bind(b.control, QString::fromUtf8(b.field), b.tag);
}

void BillPanel::connectHandlers()
{
    using RowHandler = void (BillPanel::*)(QObject *);
    const RowHandler rowChange[] = {&BillPanel::Edit6Change, &BillPanel::Edit1Change,
                                    &BillPanel::Edit38Change};
    const RowHandler limitChange[] = {&BillPanel::Edit37Change, &BillPanel::Edit36Change,
                                      &BillPanel::Edit44Change};
    for (int i = 0; i < int(rows_.size()); ++i) {
        const UtilityRow &row = rows_[i];
        for (QLineEdit *input : {row.last, row.current, row.price, row.over})
            connect(input, &QLineEdit::textChanged, this,
                    [this, input, handler = rowChange[i]] { (this->*handler)(input); });
        connect(row.limit, &QLineEdit::textChanged, this,
                [this, limit = row.limit, handler = limitChange[i]] { (this->*handler)(limit); });
        connect(row.amount, &QLineEdit::textChanged, this,
                [this, amount = row.amount] { Edit10Change(amount); });
        connect(row.indicator, &LimitIndicator::clicked, this,
                [this, indicator = row.indicator] { Panel13Click(indicator); });
    }

    for (QLineEdit *edit : {Edit11, Edit12, Edit13, Edit14, Edit15, Edit16, Edit17})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { ComboBox1Change(edit); });
    for (QDateTimeEdit *picker : {DateTimePicker1, DateTimePicker2})
        connect(picker, &QDateTimeEdit::dateTimeChanged, this,
                [this, picker] { ComboBox1Change(picker); });
    for (QComboBox *combo : {ComboBox1, ComboBox2})
        connect(combo, &QComboBox::editTextChanged, this, [this, combo] { ComboBox1Change(combo); });
    connect(ComboBox5, &QComboBox::currentIndexChanged, this, [this] { ComboBox1Change(ComboBox5); });

    connect(Edit19, &QLineEdit::textChanged, this, &BillPanel::Edit19Change);
    connect(Edit28, &QLineEdit::textChanged, this, &BillPanel::Edit28Change);
    connect(TrackBar1, &QSlider::valueChanged, this, &BillPanel::TrackBar1Change);
    connect(TrackBar1, &LimitSlider::focusLost, this, &BillPanel::TrackBar1Exit);

    for (QLineEdit *edit : {Edit1, Edit2, Edit4, Edit6, Edit7, Edit9, Edit11, Edit12, Edit13,
                            Edit14, Edit15, Edit16, Edit34, Edit35, Edit36, Edit37, Edit38,
                            Edit39, Edit41, Edit43, Edit44})
        edit->installEventFilter(this);
}

bool BillPanel::isEditing() const
{
    // isHidden, not isVisible: the mode holds while the window is not shown.
    return !BitBtn15->isHidden();
}

void BillPanel::setEditing(bool editing)
{
    BitBtn15->setVisible(editing);
}

bool BillPanel::Edit1KeyPress(const QKeyEvent *event) const
{
    // Shortcuts such as Ctrl+V keep working; pasted text is not filtered.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return hasForbiddenCharacter(event->text());
}

bool BillPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return Edit1KeyPress(static_cast<QKeyEvent *>(event));
    // An input method commits text without key presses.
    if (event->type() == QEvent::InputMethod)
        return hasForbiddenCharacter(static_cast<QInputMethodEvent *>(event)->commitString());
    return BoundPanel::eventFilter(watched, event);
}

void BillPanel::computeRow(const UtilityRow &row, QObject *sender)
{
    UtilityCharge charge;
    try {
        charge = utilityCharge(number(row.last), number(row.current), number(row.price),
                               number(row.limit), number(row.over));
    } catch (const MoneyError &error) {
        emit computationFailed(error.message());
        return;
    }
    row.used->setText(FieldValue::formatNumber(charge.used));
    row.amount->setText(FieldValue::formatNumber(charge.amount));
    ComboBox1Change(sender);
}

void BillPanel::Edit6Change(QObject *sender)
{
    computeRow(rows_[Electricity], sender);
}

void BillPanel::Edit1Change(QObject *sender)
{
    computeRow(rows_[Water], sender);
}

void BillPanel::Edit38Change(QObject *sender)
{
    computeRow(rows_[Gas], sender);
}

void BillPanel::showLimit(const UtilityRow &row)
{
    row.indicator->setText(QStringLiteral("超") + row.limit->text() + row.unit + QStringLiteral(":"));
}

void BillPanel::Edit37Change(QObject *sender)
{
    showLimit(rows_[Electricity]);
    Edit6Change(sender);
}

void BillPanel::Edit36Change(QObject *sender)
{
    showLimit(rows_[Water]);
    Edit1Change(sender);
}

void BillPanel::Edit44Change(QObject *sender)
{
    showLimit(rows_[Gas]);
    Edit38Change(sender);
}

void BillPanel::ComboBox1Change(QObject *sender)
{
    if (!isEditing())
        return;
    const BillParts parts{number(Edit5),  number(Edit10), number(Edit11),
                          number(Edit12), number(Edit13), number(Edit14),
                          number(Edit15), number(Edit16), number(Edit42)};
    double total = 0;
    try {
        total = billTotal(parts, ComboBox5->currentIndex());
    } catch (const MoneyError &error) {
        emit computationFailed(error.message());
        return;
    }
    Edit19->setText(QString::number(total, 'f', 2));

    if (!sender)
        return;
    if (isInputControl(sender))
        setControlTag(static_cast<QWidget *>(sender), 3);
    BitBtn10->show();
    BitBtn11->show();
}

void BillPanel::Edit10Change(QObject *sender)
{
    if (auto *amount = qobject_cast<QWidget *>(sender))
        setControlTag(amount, 3);
}

void BillPanel::Edit19Change()
{
    QString capitals;
    try {
        capitals = MoneyToDX(number(Edit19));
    } catch (const MoneyError &error) {
        emit computationFailed(error.message());
        return;
    }
    Edit18->setText(capitals);
    setControlTag(Edit18, 3);
    setControlTag(Edit19, 3);
}

void BillPanel::Edit28Change()
{
    const QString text = Edit28->text();
    Edit32->setText(text.size() <= 6 ? (QStringLiteral("000000") + text).right(6) : text);
}

void BillPanel::Panel13Click(QObject *clickedIndicator)
{
    if (Edit9->isReadOnly())
        return;
    const UtilityRow *row = nullptr;
    for (const UtilityRow &r : rows_)
        if (r.indicator == clickedIndicator)
            row = &r;
    if (!row)
        return;
    {
        // Showing the stored limit must not write it back (clamped).
        const QSignalBlocker detached(TrackBar1);
        LimitTarget = row->limitTarget;
        bool ok = false;
        const int limit = row->limit->text().toInt(&ok);
        TrackBar1->setValue(ok ? limit : 0);
    }
    const QWidget *indicator = row->indicator;
    Panel11->move(indicator->x() + indicator->width() - 1, indicator->y() + indicator->height() - 1);
    Panel11->setVisible(Panel11->isHidden());
    if (!Panel11->isHidden()) {
        Panel11->raise();
        TrackBar1->setFocus();
    }
}

void BillPanel::TrackBar1Change(int position)
{
    QLineEdit *const targets[] = {Edit37, Edit36, Edit44};
    if (LimitTarget >= 1 && LimitTarget <= 3)
        targets[LimitTarget - 1]->setText(QString::number(position));
}

void BillPanel::TrackBar1Exit()
{
    Panel11->hide();
}

void BillPanel::HeaderControl1DrawSection(QPainter &painter, int section, const QRect &rect) const
{
    painter.fillRect(rect, QColor(0xB5, 0xD9, 0xD9));
    const QString text = HeaderControl1->sections().at(section).text;
    const QFontMetrics metrics(painter.font());
    const int left = rect.left() + (rect.width() - metrics.horizontalAdvance(text)) / 2;
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(QPoint(left, rect.top() + 1 + metrics.ascent()), text);
}
