// The bill panel's controls and where they sit: a paper receipt with the
// utility table under its column headings, the fees, the total and the
// period below, and the buttons in a column on the right.
#include "main/bill_panel.h"

#include "main/header_strip.h"
#include "main/limit_indicator.h"
#include "main/limit_slider.h"
#include "platform/db/app_clock.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int designWidth = 750, designHeight = 255; // the room the bill page gives the panel
constexpr int margin = 8;
constexpr int headerTop = 8, headerHeight = 20;
constexpr int firstRowTop = 32, rowPitch = 29, fieldHeight = 24;
constexpr int rulerGap = 6; // between the utility table and the fees
constexpr int inset = 3;    // between a field and its column edge
constexpr int buttonColumnWidth = 100;

// The utility table's columns: label, last reading, this reading, used,
// unit price, over-limit (indicator and price), amount.
enum Column { LabelColumn, LastColumn, ThisColumn, UsedColumn, PriceColumn, OverColumn, AmountColumn, ColumnCount };
constexpr int columnWidths[ColumnCount] = {72, 90, 90, 72, 72, 132, 92};
constexpr int indicatorWidth = 66;

int columnLeft(int column)
{
    int left = margin;
    for (int i = 0; i < column; ++i)
        left += columnWidths[i];
    return left;
}

int columnRight(int column)
{
    return columnLeft(column) + columnWidths[column];
}

// The field that fills a column, and the span of several.
QRect cell(int column, int top, int lastColumn = -1)
{
    const int right = columnRight(lastColumn < 0 ? column : lastColumn) - inset;
    return QRect(columnLeft(column) + inset, top, right - columnLeft(column) - inset, fieldHeight);
}

int utilityRowTop(int row)
{
    return firstRowTop + row * rowPitch;
}

// Rows under the utility table: fees, remark, total, period.
int lowerRowTop(int row)
{
    return utilityRowTop(3) + rulerGap + row * rowPitch;
}

const QColor overLimitColour(255, 128, 128); // 8421631
const QColor panelColour(Qt::white);

void setBackground(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    control->setPalette(palette);
}

} // namespace

void BillPanel::createControls()
{
    QFont panelFont = font();
    panelFont.setPixelSize(12);
    setFont(panelFont);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, panelColour);
    setPalette(colours);
    setFrameShape(QFrame::NoFrame);

    const auto edit = [this](const char *name, const QString &text) {
        auto *e = new QLineEdit(text, this);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    const auto indicator = [this](const char *name, const QString &text) {
        auto *p = new LimitIndicator(this);
        p->setObjectName(QLatin1String(name));
        p->setText(text);
        return p;
    };
    const QString reading = QStringLiteral("0"), price = QStringLiteral("0.0"),
                  computed = QStringLiteral("0.0"), limit = QStringLiteral("0");

    Edit6 = edit("Edit6", reading);
    Edit7 = edit("Edit7", reading);
    Edit8 = edit("Edit8", computed);
    Edit9 = edit("Edit9", price);
    Panel13 = indicator("Panel13", QStringLiteral("超0度:"));
    Edit35 = edit("Edit35", price);
    Edit10 = edit("Edit10", computed);
    Edit37 = edit("Edit37", limit);

    Edit1 = edit("Edit1", reading);
    Edit2 = edit("Edit2", reading);
    Edit3 = edit("Edit3", computed);
    Edit4 = edit("Edit4", price);
    Panel12 = indicator("Panel12", QStringLiteral("超0吨:"));
    Edit34 = edit("Edit34", price);
    Edit5 = edit("Edit5", computed);
    Edit36 = edit("Edit36", limit);

    Edit38 = edit("Edit38", reading);
    Edit39 = edit("Edit39", reading);
    Edit40 = edit("Edit40", computed);
    Edit41 = edit("Edit41", price);
    Panel14 = indicator("Panel14", QStringLiteral("超0立:"));
    Edit43 = edit("Edit43", price);
    Edit42 = edit("Edit42", computed);
    Edit44 = edit("Edit44", limit);

    Edit11 = edit("Edit11", QStringLiteral("0"));
    Edit12 = edit("Edit12", QStringLiteral("0"));
    Edit13 = edit("Edit13", QStringLiteral("0"));
    Edit14 = edit("Edit14", QStringLiteral("0"));
    Edit15 = edit("Edit15", QStringLiteral("0"));
    Edit16 = edit("Edit16", QStringLiteral("0"));
    Edit17 = edit("Edit17", QString());
    Edit18 = edit("Edit18", QString());
    Edit19 = edit("Edit19", QStringLiteral("0"));
    Edit28 = edit("Edit28", QStringLiteral("0.0"));
    Edit30 = edit("Edit30", QString());
    Edit31 = edit("Edit31", QString());
    Edit32 = edit("Edit32", QStringLiteral("0"));
    Edit33 = edit("Edit33", QString());

    ComboBox5 = new QComboBox(this);
    ComboBox5->setObjectName(QStringLiteral("ComboBox5"));
    ComboBox5->addItems({QStringLiteral("保留小数"), QStringLiteral("四舍五入"), QStringLiteral("小数全舍"),
                         QStringLiteral("小数全入")});
    ComboBox5->setCurrentIndex(0);

    const auto personList = [this](const char *name) {
        auto *c = new QComboBox(this);
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        return c;
    };
    ComboBox1 = personList("ComboBox1");
    ComboBox2 = personList("ComboBox2");

    const auto datePicker = [this](const char *name) {
        auto *d = new QDateTimeEdit(AppClock::now(), this);
        d->setObjectName(QLatin1String(name));
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd")); // the time of day is kept, not shown
        return d;
    };
    DateTimePicker1 = datePicker("DateTimePicker1");
    DateTimePicker2 = datePicker("DateTimePicker2");

    HeaderControl1 = new HeaderStrip(this);
    HeaderControl1->setObjectName(QStringLiteral("HeaderControl1"));
    HeaderControl1->setSections({{QString(), columnWidths[LabelColumn]},
                                 {QStringLiteral("上月读数"), columnWidths[LastColumn]},
                                 {QStringLiteral("本月读数"), columnWidths[ThisColumn]},
                                 {QStringLiteral("实用"), columnWidths[UsedColumn]},
                                 {QStringLiteral("正常单价"), columnWidths[PriceColumn]},
                                 {QStringLiteral("超出部分单价"), columnWidths[OverColumn]},
                                 {QStringLiteral("金额"), columnWidths[AmountColumn]},
                                 {QString(), 0}});
    HeaderControl1->setDrawSection([this](QPainter &painter, int section, const QRect &rect) {
        HeaderControl1DrawSection(painter, section, rect);
    });
    HeaderControl1->setEnabled(false);

    Panel11 = new QFrame(this);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setFrameShape(QFrame::Box);
    Panel11->setAutoFillBackground(true);
    TrackBar1 = new LimitSlider(Panel11);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    auto *sliderLayout = new QVBoxLayout(Panel11);
    sliderLayout->setContentsMargins(6, 4, 6, 4);
    sliderLayout->addWidget(TrackBar1);
    Panel11->resize(180, 40);
    Panel11->hide();

    buttonColumn_ = new QWidget(this);
    const auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, buttonColumn_);
        b->setObjectName(QLatin1String(name));
        b->setFixedHeight(28);
        return b;
    };
    BitBtn12 = button("BitBtn12", QStringLiteral("添加"));
    BitBtn11 = button("BitBtn11", QStringLiteral("保存"));
    BitBtn10 = button("BitBtn10", QStringLiteral("保存并打印"));
    BitBtn15 = button("BitBtn15", QStringLiteral("取消"));
    BitBtn22 = button("BitBtn22", QStringLiteral("删除"));
    BitBtn16 = button("BitBtn16", QStringLiteral("报表"));
    auto *buttons = new QVBoxLayout(buttonColumn_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(5);
    for (QPushButton *b : {BitBtn12, BitBtn11, BitBtn10, BitBtn15, BitBtn22})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(BitBtn16);
    // At rest only "添加" and "报表" are offered; deleting is reached from the bill list.
    for (QPushButton *b : {BitBtn11, BitBtn10, BitBtn15, BitBtn22})
        b->hide();

    // Computed fields are display-only.
    for (QLineEdit *e : {Edit5, Edit10, Edit42, Edit18, Edit19, Edit28, Edit3, Edit8, Edit32, Edit40}) {
        paintSilver(e);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    for (QLineEdit *e : {Edit34, Edit35, Edit43, Edit36, Edit37, Edit44})
        setBackground(e, overLimitColour);
    for (QLineEdit *e : {Edit36, Edit37, Edit44, Edit28, Edit30, Edit31, Edit33})
        e->hide();
    // Figures are read against each other, so they line up on the right.
    for (QLineEdit *e : {Edit6, Edit7, Edit8, Edit9, Edit35, Edit10, Edit1, Edit2, Edit3, Edit4, Edit34,
                         Edit5, Edit38, Edit39, Edit40, Edit41, Edit43, Edit42, Edit11, Edit12, Edit13,
                         Edit14, Edit15, Edit16, Edit19, Edit32})
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void BillPanel::layOutControls()
{
    const auto label = [this](const QString &text, const QRect &rect, Qt::Alignment alignment = Qt::AlignRight) {
        auto *l = new QLabel(text, this);
        l->setAlignment(alignment | Qt::AlignVCenter);
        l->setGeometry(rect);
        return l;
    };
    // A caption that ends just before the field at `fieldLeft`.
    const auto labelBefore = [&](const QString &text, int fieldLeft, int top) {
        const int width = fontMetrics().horizontalAdvance(text) + 6;
        label(text, QRect(fieldLeft - width - 3, top, width, fieldHeight));
        return fieldLeft - width - 3;
    };
    const auto rowLabel = [&](const QString &text, int top) {
        label(text, QRect(margin, top, columnWidths[LabelColumn] - 6, fieldHeight));
    };

    HeaderControl1->setGeometry(margin, headerTop, designWidth - 2 * margin, headerHeight);

    const QString rowLabels[] = {QStringLiteral("电费(度)"), QStringLiteral("水费(吨)"), QStringLiteral("燃气(立)")};
    for (int i = 0; i < int(rows_.size()); ++i) {
        const UtilityRow &row = rows_[i];
        const int top = utilityRowTop(i);
        rowLabel(rowLabels[i], top);
        row.last->setGeometry(cell(LastColumn, top));
        row.current->setGeometry(cell(ThisColumn, top));
        row.used->setGeometry(cell(UsedColumn, top));
        row.price->setGeometry(cell(PriceColumn, top));
        const QRect over = cell(OverColumn, top);
        row.indicator->setGeometry(over.left(), top, indicatorWidth, fieldHeight);
        row.over->setGeometry(over.left() + indicatorWidth + inset, top,
                              over.width() - indicatorWidth - inset, fieldHeight);
        row.amount->setGeometry(cell(AmountColumn, top));
    }

    auto *ruler = new QFrame(this);
    ruler->setFrameShape(QFrame::HLine);
    ruler->setFrameShadow(QFrame::Plain);
    ruler->setStyleSheet(QStringLiteral("color: #c9d6d6;"));
    ruler->setGeometry(margin, lowerRowTop(0) - rulerGap / 2 - 1, columnRight(AmountColumn) - margin, 1);

    // Fees: rent under the readings, the other five spread evenly to the amount column.
    {
        const int top = lowerRowTop(0);
        rowLabel(QStringLiteral("房租"), top);
        const struct {
            const char *caption;
            QLineEdit *field;
        } fees[] = {{"卫生费", Edit12}, {"电视费", Edit13}, {"管理费", Edit14}, {"网费", Edit15}, {"其他费用", Edit16}};
        const int left = columnLeft(LastColumn) + inset, right = columnRight(AmountColumn) - inset;
        int captions = 0;
        for (const auto &fee : fees)
            captions += fontMetrics().horizontalAdvance(QString::fromUtf8(fee.caption)) + 6 + 2 * inset;
        const int fieldWidth = (right - left - captions) / 6;
        Edit11->setGeometry(left, top, fieldWidth, fieldHeight);
        int x = left + fieldWidth;
        for (const auto &fee : fees) {
            const QString caption = QString::fromUtf8(fee.caption);
            const int width = fontMetrics().horizontalAdvance(caption) + 6;
            label(caption, QRect(x + inset, top, width, fieldHeight));
            x += width + 2 * inset;
            // The last field takes what the division left over.
            fee.field->setGeometry(x, top, fee.field == Edit16 ? right - x : fieldWidth, fieldHeight);
            x += fieldWidth;
        }
    }

    // Remark and number; capitals, rounding and total: the figures in the amount column.
    {
        int top = lowerRowTop(1);
        rowLabel(QStringLiteral("备注"), top);
        Edit17->setGeometry(cell(LastColumn, top, PriceColumn));
        Edit32->setGeometry(cell(AmountColumn, top));
        labelBefore(QStringLiteral("单号"), Edit32->x(), top);

        top = lowerRowTop(2);
        rowLabel(QStringLiteral("合计人民币"), top);
        Edit18->setGeometry(cell(LastColumn, top, PriceColumn));
        Edit19->setGeometry(cell(AmountColumn, top));
        const int yuanLeft = labelBefore(QStringLiteral("￥"), Edit19->x(), top);
        const int comboLeft = cell(OverColumn, top).left();
        ComboBox5->setGeometry(comboLeft, top, yuanLeft - comboLeft, fieldHeight);
    }

    // Period, issuer, payee; the payee's list under the figures.
    {
        const int top = lowerRowTop(3);
        rowLabel(QStringLiteral("租金日期"), top);
        const int pickerWidth = 104;
        const int left = columnLeft(LastColumn) + inset;
        DateTimePicker1->setGeometry(left, top, pickerWidth, fieldHeight);
        const int toWidth = fontMetrics().horizontalAdvance(QStringLiteral("至")) + 10;
        label(QStringLiteral("至"), QRect(left + pickerWidth, top, toWidth, fieldHeight), Qt::AlignHCenter);
        DateTimePicker2->setGeometry(left + pickerWidth + toWidth, top, pickerWidth, fieldHeight);

        ComboBox2->setGeometry(cell(AmountColumn, top));
        const int payeeLabelLeft = labelBefore(QStringLiteral("收款人"), ComboBox2->x(), top);
        const int issuerRight = payeeLabelLeft - 2 * inset;
        const int issuerLeft = DateTimePicker2->geometry().right() + 1
                               + fontMetrics().horizontalAdvance(QStringLiteral("开票人")) + 6 + 2 * inset;
        ComboBox1->setGeometry(issuerLeft, top, issuerRight - issuerLeft, fieldHeight);
        labelBefore(QStringLiteral("开票人"), issuerLeft, top);
    }

    buttonColumn_->setGeometry(designWidth - margin - buttonColumnWidth, firstRowTop, buttonColumnWidth,
                               lowerRowTop(3) + fieldHeight - firstRowTop);
    setMinimumSize(designWidth, designHeight);
    resize(designWidth, designHeight);
}

void BillPanel::resizeEvent(QResizeEvent *event)
{
    BoundPanel::resizeEvent(event);
    // Spare width goes between the form and its buttons.
    const int w = qMax(width(), designWidth);
    HeaderControl1->resize(w - 2 * margin, headerHeight);
    buttonColumn_->move(w - margin - buttonColumnWidth, buttonColumn_->y());
}

void BillPanel::chainTabOrder()
{
    // As on paper: the readings row by row, then fees, remark, rounding, period, people.
    const QList<QWidget *> chain = {Edit6,  Edit7,  Edit9,  Edit35, Edit1,  Edit2,  Edit4,
                                    Edit34, Edit38, Edit39, Edit41, Edit43, Edit11, Edit12,
                                    Edit13, Edit14, Edit15, Edit16, Edit17, ComboBox5,
                                    DateTimePicker1, DateTimePicker2, ComboBox1, ComboBox2,
                                    BitBtn12, BitBtn11, BitBtn10, BitBtn15, BitBtn22, BitBtn16};
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);

    // Enter takes the landlord to the next field, as on a paper form.
    for (QWidget *w : chain)
        if (auto *e = qobject_cast<QLineEdit *>(w))
            connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
}
