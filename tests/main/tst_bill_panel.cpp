#include "binding/panel_binding.h"
#include "main/bill_panel.h"
#include "main/limit_indicator.h"
#include "main/limit_slider.h"
#include "test_database.h"

#include <QtTest>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <algorithm>

namespace {

QLineEdit *edit(BillPanel &panel, const QString &name)
{
    auto *e = panel.findChild<QLineEdit *>(name);
    if (!e)
        qFatal("no edit %s", qPrintable(name));
    return e;
}

// "Edit6=1520.5" entries, written in order; each write runs its handlers.
void fill(BillPanel &panel, const QStringList &fields)
{
    for (const QString &entry : fields) {
        const qsizetype at = entry.indexOf(u'=');
        edit(panel, entry.left(at))->setText(entry.mid(at + 1));
    }
}

// The bound controls as a freshly loaded bill leaves them: unchanged.
void markAllLoaded(BillPanel &panel)
{
    for (const BoundPanel::Control &c : panel.controls())
        if (controlTag(c.widget) >= 2)
            setControlTag(c.widget, 2);
}

QStringList changedControls(const BillPanel &panel)
{
    QStringList names;
    for (const BoundPanel::Control &c : panel.controls())
        if (controlTag(c.widget) == 3)
            names << c.widget->objectName();
    names.sort();
    return names;
}

// A panel in add or modify mode, as the page leaves it.
struct EditingPanel {
    BillPanel panel;
    EditingPanel()
    {
        EnablePanel(panel, true);
        panel.setEditing(true);
    }
};

// Electricity over its limit, water without one, gas over its limit, a
// credit in the other charges: 118.54 + 27.90 + 30.12 + 910 fees = 1086.06.
const QStringList realisticBill = {
    "Edit6=1520.5", "Edit7=1689.3", "Edit9=0.58", "Edit35=0.88", "Edit37=100",
    "Edit1=88",     "Edit2=97",     "Edit4=3.1",
    "Edit38=310",   "Edit39=322.4", "Edit41=2.28", "Edit43=3.05", "Edit44=10",
    "Edit11=800",   "Edit12=10",    "Edit13=25",   "Edit14=30",   "Edit15=50",  "Edit16=-5.5",
};

} // namespace

class TstBillPanel : public QObject {
    Q_OBJECT
private slots:
    void controlsExist_data();
    void controlsExist();
    void boundFieldsAreColumnsOfTheBillTable();
    void restState();
    void datePickerKeepsTimeOfDay();

    void utilityRow_data();
    void utilityRow();
    void keyFilter_data();
    void keyFilter();
    void keyFilterCoversNumberFieldsOnly_data();
    void keyFilterCoversNumberFieldsOnly();
    void pastedTextCountsAsZero();

    void limitSlider_data();
    void limitSlider();
    void limitSliderOnlyWhileEditing();
    void limitSliderClosesOnFocusLoss();

    void total_data();
    void total();
    void roundingModeChangeRecomputesAtOnce();
    void viewModeKeepsStoredTotal();
    void changeMarks_data();
    void changeMarks();
    void totalWithoutSender();

    void billNumber_data();
    void billNumber();
    void computationFailure_data();
    void computationFailure();

    void screenshot();
};

void TstBillPanel::controlsExist_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");

    const QStringList edits = {"Edit1",  "Edit2",  "Edit3",  "Edit4",  "Edit5",  "Edit6",  "Edit7",
                               "Edit8",  "Edit9",  "Edit10", "Edit11", "Edit12", "Edit13", "Edit14",
                               "Edit15", "Edit16", "Edit17", "Edit18", "Edit19", "Edit28", "Edit30",
                               "Edit31", "Edit32", "Edit33", "Edit34", "Edit35", "Edit36", "Edit37",
                               "Edit38", "Edit39", "Edit40", "Edit41", "Edit42", "Edit43", "Edit44"};
    for (const QString &name : edits)
        QTest::newRow(qPrintable(name)) << name << "QLineEdit";
    for (const char *name : {"ComboBox1", "ComboBox2", "ComboBox5"})
        QTest::newRow(name) << name << "QComboBox";
    for (const char *name : {"DateTimePicker1", "DateTimePicker2"})
        QTest::newRow(name) << name << "QDateTimeEdit";
    for (const char *name : {"BitBtn10", "BitBtn11", "BitBtn12", "BitBtn15", "BitBtn16", "BitBtn22"})
        QTest::newRow(name) << name << "QPushButton";
    for (const char *name : {"Panel12", "Panel13", "Panel14"})
        QTest::newRow(name) << name << "LimitIndicator";
    QTest::newRow("Panel11") << "Panel11" << "QFrame";
    QTest::newRow("TrackBar1") << "TrackBar1" << "QSlider";
    QTest::newRow("HeaderControl1") << "HeaderControl1" << "HeaderStrip";
}

void TstBillPanel::controlsExist()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);

    BillPanel panel;
    QCOMPARE(panel.objectName(), QStringLiteral("Panel5"));
    QCOMPARE(panel.helpKeyword, QStringLiteral("单据明细"));
    auto *control = panel.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY2(control->inherits(qPrintable(kind)), control->metaObject()->className());
}

void TstBillPanel::boundFieldsAreColumnsOfTheBillTable()
{
    TestDatabase database;
    const QStringList columns = database.db().query("SELECT * FROM 单据明细 LIMIT 0").columns;

    BillPanel panel;
    QSet<QString> seen;
    int bound = 0;
    for (const BoundPanel::Control &c : panel.controls()) {
        const int tag = controlTag(c.widget);
        if (tag < 2) {
            QVERIFY2(c.field.isEmpty(), qPrintable(c.widget->objectName()));
            continue;
        }
        ++bound;
        QVERIFY2(columns.contains(c.field), qPrintable(c.widget->objectName() + " " + c.field));
        QVERIFY2(!seen.contains(c.field), qPrintable(c.field));
        seen.insert(c.field);
    }
    QCOMPARE(bound, 36);
    for (const char *unbound : {"Edit3", "Edit8", "Edit32", "Edit40"})
        QVERIFY(std::any_of(panel.controls().begin(), panel.controls().end(),
                            [&](const BoundPanel::Control &c) { return c.widget->objectName() == unbound; }));
    QCOMPARE(panel.controlFor("SRNUM"), panel.ComboBox5);
    QCOMPARE(controlTag(panel.Edit5), 2);
    QCOMPARE(controlTag(panel.Edit28), 2);
    QCOMPARE(controlTag(panel.Edit19), 2);
}

void TstBillPanel::restState()
{
    BillPanel panel;
    QVERIFY(!panel.isEditing());
    for (QPushButton *hidden : {panel.BitBtn15, panel.BitBtn11, panel.BitBtn10, panel.BitBtn22})
        QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    for (QPushButton *shown : {panel.BitBtn12, panel.BitBtn16})
        QVERIFY2(!shown->isHidden(), qPrintable(shown->objectName()));
    QCOMPARE(panel.BitBtn12->text(), QStringLiteral("添加"));
    QCOMPARE(panel.BitBtn10->text(), QStringLiteral("保存并打印"));

    const QList<QPair<QLineEdit *, QString>> initialTexts = {
        {panel.Edit6, "0"},   {panel.Edit7, "0"},   {panel.Edit8, "0.0"},  {panel.Edit9, "0.0"},
        {panel.Edit35, "0.0"}, {panel.Edit10, "0.0"}, {panel.Edit37, "0"}, {panel.Edit11, "0"},
        {panel.Edit16, "0"},  {panel.Edit17, ""},   {panel.Edit18, ""},    {panel.Edit19, "0"},
        {panel.Edit28, "0.0"}, {panel.Edit32, "0"}};
    for (const auto &[control, text] : initialTexts)
        QCOMPARE(control->text(), text);
    QCOMPARE(panel.Panel13->text(), QStringLiteral("超0度:"));
    QCOMPARE(panel.Panel12->text(), QStringLiteral("超0吨:"));
    QCOMPARE(panel.Panel14->text(), QStringLiteral("超0立:"));
    QCOMPARE(panel.ComboBox5->count(), 4);
    QCOMPARE(panel.ComboBox5->currentText(), QStringLiteral("保留小数"));
    QVERIFY(!panel.ComboBox5->isEditable());
    QVERIFY(panel.ComboBox1->isEditable());
    QVERIFY(panel.ComboBox2->isEditable());

    for (QLineEdit *computed : {panel.Edit3, panel.Edit5, panel.Edit8, panel.Edit10, panel.Edit18,
                                panel.Edit19, panel.Edit28, panel.Edit32, panel.Edit40, panel.Edit42}) {
        QVERIFY2(isSilver(computed) && computed->isReadOnly(), qPrintable(computed->objectName()));
    }
    // Unlocking for editing leaves the computed fields locked.
    EnablePanel(panel, true);
    QVERIFY(panel.Edit19->isReadOnly());
    QVERIFY(!panel.Edit7->isReadOnly());

    for (QLineEdit *overLimit : {panel.Edit34, panel.Edit35, panel.Edit43, panel.Edit36, panel.Edit37, panel.Edit44})
        QCOMPARE(overLimit->palette().color(QPalette::Base), QColor(255, 128, 128));
    for (QLineEdit *hidden : {panel.Edit28, panel.Edit30, panel.Edit31, panel.Edit33, panel.Edit36,
                              panel.Edit37, panel.Edit44})
        QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    QVERIFY(panel.Panel11->isHidden());
}

void TstBillPanel::datePickerKeepsTimeOfDay()
{
    BillPanel panel;
    panel.DateTimePicker1->setDateTime(QDateTime(QDate(2011, 3, 15), QTime(10, 30)));
    panel.DateTimePicker1->setDate(QDate(2011, 4, 1));
    QCOMPARE(panel.DateTimePicker1->dateTime(), QDateTime(QDate(2011, 4, 1), QTime(10, 30)));
    QCOMPARE(panel.DateTimePicker1->text(), QStringLiteral("2011-04-01"));
}

void TstBillPanel::utilityRow_data()
{
    QTest::addColumn<QStringList>("inputs");  // last, this, price, limit, over
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QStringList>("outputs"); // used, amount, indicator
    QTest::addColumn<QString>("used");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("caption");

    const struct {
        const char *name;
        QStringList inputs, outputs;
        QString unit;
    } rows[] = {
        {"electricity", {"Edit6", "Edit7", "Edit9", "Edit37", "Edit35"}, {"Edit8", "Edit10", "Panel13"}, "度"},
        {"water", {"Edit1", "Edit2", "Edit4", "Edit36", "Edit34"}, {"Edit3", "Edit5", "Panel12"}, "吨"},
        {"gas", {"Edit38", "Edit39", "Edit41", "Edit44", "Edit43"}, {"Edit40", "Edit42", "Panel14"}, "立"},
    };
    const struct {
        const char *name;
        QStringList values; // last, this, price, limit, over
        QString used, amount;
    } cases[] = {
        {"over the limit", {"100", "130", "2", "20", "3"}, "30", "70"},
        {"at the limit", {"100", "130", "2", "30", "3"}, "30", "60"},
        {"no limit", {"100", "130", "2", "0", "3"}, "30", "60"},
        {"reading fell", {"130", "100", "2", "20", "3"}, "-30", "-60"},
        {"cent raised", {"0", "1.005", "1", "0", "0"}, "1.01", "1.01"},
        {"cent kept", {"0", "1.0046", "1", "0", "0"}, "1", "1"},
        {"fraction kept", {"1520.5", "1533", "0.5", "0", "0"}, "12.5", "6.25"},
        {"empty and unparsable price", {"10", "25", "1..2", "", ""}, "15", "0"},
        {"pasted inf and nan count as 0", {"inf", "25", "nan", "0", "0"}, "25", "0"},
    };
    for (const auto &row : rows)
        for (const auto &c : cases)
            QTest::addRow("%s, %s", row.name, c.name)
                << row.inputs << c.values << row.outputs << c.used << c.amount
                << QStringLiteral("超") + c.values[3] + row.unit + QStringLiteral(":");
}

void TstBillPanel::utilityRow()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, values);
    QFETCH(QStringList, outputs);
    QFETCH(QString, used);
    QFETCH(QString, amount);
    QFETCH(QString, caption);

    // View mode: the rows are computed whatever the mode, the total is not.
    BillPanel panel;
    for (int i = 0; i < inputs.size(); ++i)
        edit(panel, inputs[i])->setText(values[i]);

    QCOMPARE(edit(panel, outputs[0])->text(), used);
    QCOMPARE(edit(panel, outputs[1])->text(), amount);
    QCOMPARE(panel.findChild<QLabel *>(outputs[2])->text(), caption);
    QCOMPARE(controlTag(edit(panel, outputs[1])), 3);
    QCOMPARE(panel.Edit19->text(), QStringLiteral("0"));
}

void TstBillPanel::keyFilter_data()
{
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("text");

    QTestEventList digits;
    digits.addKeyClicks("1520.5");
    QTest::newRow("digits and point") << digits << "1520.5";

    QTestEventList minus;
    minus.addKeyClicks("-3");
    QTest::newRow("minus") << minus << "-3";

    QTestEventList letters;
    letters.addKeyClicks("1a2 b,3+");
    QTest::newRow("letters, space, comma, plus swallowed") << letters << "123";

    QTestEventList shifted;
    shifted.addKeyClick(Qt::Key_1);
    shifted.addKeyClick(Qt::Key_Exclam, Qt::ShiftModifier);
    QTest::newRow("shifted digit swallowed") << shifted << "1";

    QTestEventList backspace;
    backspace.addKeyClicks("123");
    backspace.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("backspace") << backspace << "12";

    QTestEventList navigation;
    navigation.addKeyClicks("12");
    navigation.addKeyClick(Qt::Key_Home);
    navigation.addKeyClick(Qt::Key_Delete);
    navigation.addKeyClicks("9");
    navigation.addKeyClick(Qt::Key_End);
    navigation.addKeyClick(Qt::Key_Left);
    navigation.addKeyClicks("0");
    QTest::newRow("home, delete, end, arrows") << navigation << "902";

    QTestEventList selectAll;
    selectAll.addKeyClicks("55");
    selectAll.addKeyClick(Qt::Key_A, Qt::ControlModifier);
    selectAll.addKeyClicks("7");
    QTest::newRow("ctrl+a still selects") << selectAll << "7";
}

void TstBillPanel::keyFilter()
{
    QFETCH(QTestEventList, keys);
    QFETCH(QString, text);

    EditingPanel editing;
    editing.panel.Edit7->clear();
    keys.simulate(editing.panel.Edit7);
    QCOMPARE(editing.panel.Edit7->text(), text);
}

void TstBillPanel::keyFilterCoversNumberFieldsOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    for (const char *name : {"Edit1", "Edit2", "Edit4", "Edit6", "Edit7", "Edit9", "Edit11", "Edit12",
                             "Edit13", "Edit14", "Edit15", "Edit16", "Edit34", "Edit35", "Edit36",
                             "Edit37", "Edit38", "Edit39", "Edit41", "Edit43", "Edit44"})
        QTest::newRow(name) << name << "1";
    QTest::newRow("Edit17, the remark") << "Edit17" << "x1";
}

void TstBillPanel::keyFilterCoversNumberFieldsOnly()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    EditingPanel editing;
    QLineEdit *field = edit(editing.panel, name);
    field->clear();
    QTest::keyClicks(field, "x1");
    QCOMPARE(field->text(), text);
}

void TstBillPanel::pastedTextCountsAsZero()
{
    EditingPanel editing;
    BillPanel &panel = editing.panel;
    panel.Edit6->setText("10");
    panel.Edit9->setText("2");
    QApplication::clipboard()->setText("abc");
    panel.Edit7->selectAll();
    QTest::keyClick(panel.Edit7, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(panel.Edit7->text(), QStringLiteral("abc"));
    QCOMPARE(panel.Edit8->text(), QStringLiteral("-10"));
    QCOMPARE(panel.Edit10->text(), QStringLiteral("-20"));
}

void TstBillPanel::limitSlider_data()
{
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("caption");

    QTest::newRow("electricity") << "Panel13" << "Edit37" << 1 << "20" << 20 << "超35度:";
    QTest::newRow("water") << "Panel12" << "Edit36" << 2 << "5" << 5 << "超35吨:";
    QTest::newRow("gas") << "Panel14" << "Edit44" << 3 << "0" << 0 << "超35立:";
    QTest::newRow("above the range, clamped") << "Panel13" << "Edit37" << 1 << "150" << 100 << "超35度:";
    QTest::newRow("not whole, counts as 0") << "Panel12" << "Edit36" << 2 << "12.5" << 0 << "超35吨:";
}

void TstBillPanel::limitSlider()
{
    QFETCH(QString, indicator);
    QFETCH(QString, limit);
    QFETCH(int, target);
    QFETCH(QString, stored);
    QFETCH(int, position);
    QFETCH(QString, caption);

    EditingPanel editing;
    BillPanel &panel = editing.panel;
    QLineEdit *limitEdit = edit(panel, limit);
    limitEdit->setText(stored);
    auto *clicked = panel.findChild<LimitIndicator *>(indicator);

    QTest::mouseClick(clicked, Qt::LeftButton);
    QVERIFY(!panel.Panel11->isHidden());
    QCOMPARE(panel.LimitTarget, target);
    QCOMPARE(panel.TrackBar1->value(), position);
    QCOMPARE(limitEdit->text(), stored); // showing the limit does not write it
    QCOMPARE(panel.Panel11->pos(), clicked->geometry().bottomRight());

    panel.TrackBar1->setValue(35);
    QCOMPARE(limitEdit->text(), QStringLiteral("35"));
    QCOMPARE(clicked->text(), caption);
    QCOMPARE(controlTag(limitEdit), 3);

    QTest::mouseClick(clicked, Qt::LeftButton);
    QVERIFY(panel.Panel11->isHidden());
}

void TstBillPanel::limitSliderOnlyWhileEditing()
{
    BillPanel panel; // view mode: locked
    QTest::mouseClick(panel.Panel13, Qt::LeftButton);
    QVERIFY(panel.Panel11->isHidden());
    QCOMPARE(panel.LimitTarget, 0);
}

void TstBillPanel::limitSliderClosesOnFocusLoss()
{
    EditingPanel editing;
    BillPanel &panel = editing.panel;
    QTest::mouseClick(panel.Panel14, Qt::LeftButton);
    QVERIFY(!panel.Panel11->isHidden());

    QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(panel.TrackBar1, &focusOut);
    QVERIFY(panel.Panel11->isHidden());
}

void TstBillPanel::total_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("capitals");

    QTest::newRow("keep two decimals") << realisticBill << 0 << "1086.06" << " 壹 仟 零 捌 拾 陆 元 零 陆 分 ";
    QTest::newRow("half up") << realisticBill << 1 << "1086.00" << " 壹 仟 零 捌 拾 陆 元 整";
    QTest::newRow("drop decimals") << realisticBill << 2 << "1086.00" << " 壹 仟 零 捌 拾 陆 元 整";
    QTest::newRow("raise decimals") << realisticBill << 3 << "1087.00" << " 壹 仟 零 捌 拾 柒 元 整";
    QTest::newRow("negative consumption is included")
        << QStringList{"Edit6=130", "Edit7=100", "Edit9=2", "Edit11=800"} << 0 << "740.00"
        << " 柒 佰 肆 拾 元 整";
    QTest::newRow("a credit rounding to nothing shows no sign")
        << QStringList{"Edit11=0", "Edit16=-0.004"} << 0 << "0.00" << "零 元 整";
    QTest::newRow("negative total") << QStringList{"Edit16=-12.3"} << 0 << "-12.30" << "负 壹 拾 贰 元 叁 角 整";
}

void TstBillPanel::total()
{
    QFETCH(QStringList, fields);
    QFETCH(int, mode);
    QFETCH(QString, total);
    QFETCH(QString, capitals);

    EditingPanel editing;
    BillPanel &panel = editing.panel;
    panel.ComboBox5->setCurrentIndex(mode);
    fill(panel, fields);

    QCOMPARE(panel.Edit19->text(), total);
    QCOMPARE(panel.Edit18->text(), capitals);
}

void TstBillPanel::roundingModeChangeRecomputesAtOnce()
{
    EditingPanel editing;
    BillPanel &panel = editing.panel;
    fill(panel, realisticBill);
    QCOMPARE(panel.Edit19->text(), QStringLiteral("1086.06"));
    markAllLoaded(panel);

    panel.ComboBox5->setCurrentIndex(3);
    QCOMPARE(panel.Edit19->text(), QStringLiteral("1087.00"));
    QCOMPARE(changedControls(panel), QStringList({"ComboBox5", "Edit18", "Edit19"}));
}

void TstBillPanel::viewModeKeepsStoredTotal()
{
    BillPanel panel;
    panel.Edit19->setText("1234.56");
    QCOMPARE(panel.Edit18->text(), QStringLiteral(" 壹 仟 贰 佰 叁 拾 肆 元 伍 角 陆 分 "));

    fill(panel, {"Edit9=2", "Edit7=130", "Edit11=900"});
    QCOMPARE(panel.Edit10->text(), QStringLiteral("260"));
    QCOMPARE(panel.Edit19->text(), QStringLiteral("1234.56"));
    QVERIFY(panel.BitBtn11->isHidden());
    QVERIFY(panel.BitBtn10->isHidden());
}

void TstBillPanel::changeMarks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("changed");

    const QStringList total = {"Edit18", "Edit19"};
    QTest::newRow("rent") << "Edit11" << QStringList{"Edit11"} + total;
    QTest::newRow("remark, total unchanged") << "Edit17" << QStringList{"Edit17"};
    QTest::newRow("electricity reading") << "Edit7" << QStringList{"Edit10", "Edit7"} + total;
    QTest::newRow("water price") << "Edit4" << QStringList{"Edit4", "Edit5"} + total;
    QTest::newRow("gas over-limit price") << "Edit43" << QStringList{"Edit42", "Edit43"} + total;
    QTest::newRow("electricity limit") << "Edit37" << QStringList{"Edit10", "Edit37"} + total;
    QTest::newRow("period start") << "DateTimePicker1" << QStringList{"DateTimePicker1"};
    QTest::newRow("period end") << "DateTimePicker2" << QStringList{"DateTimePicker2"};
    QTest::newRow("issuer") << "ComboBox1" << QStringList{"ComboBox1"};
    QTest::newRow("payee") << "ComboBox2" << QStringList{"ComboBox2"};
}

void TstBillPanel::changeMarks()
{
    QFETCH(QString, control);
    QFETCH(QStringList, changed);

    EditingPanel editing;
    BillPanel &panel = editing.panel;
    fill(panel, realisticBill);
    markAllLoaded(panel);
    panel.BitBtn10->hide();
    panel.BitBtn11->hide();

    QWidget *target = panel.findChild<QWidget *>(control);
    if (auto *e = qobject_cast<QLineEdit *>(target))
        e->setText("1" + e->text());
    else if (auto *picker = qobject_cast<QDateTimeEdit *>(target))
        picker->setDate(picker->date().addDays(1));
    else if (auto *combo = qobject_cast<QComboBox *>(target))
        combo->setEditText("张三");

    changed.sort();
    QCOMPARE(changedControls(panel), changed);
    QVERIFY(!panel.BitBtn10->isHidden());
    QVERIFY(!panel.BitBtn11->isHidden());
}

void TstBillPanel::totalWithoutSender()
{
    BillPanel panel;
    fill(panel, realisticBill); // loaded in view mode: the total is not computed
    EnablePanel(panel, true);
    panel.setEditing(true);
    markAllLoaded(panel);

    panel.ComboBox1Change(nullptr);
    QCOMPARE(panel.Edit19->text(), QStringLiteral("1086.06"));
    QCOMPARE(changedControls(panel), QStringList({"Edit18", "Edit19"}));
    QVERIFY(panel.BitBtn10->isHidden());
    QVERIFY(panel.BitBtn11->isHidden());
}

void TstBillPanel::billNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("shown");

    QTest::newRow("padded") << "42" << "000042";
    QTest::newRow("six digits") << "123456" << "123456";
    QTest::newRow("seven digits unpadded") << "1234567" << "1234567";
    QTest::newRow("empty") << "" << "000000";
}

void TstBillPanel::billNumber()
{
    QFETCH(QString, number);
    QFETCH(QString, shown);

    BillPanel panel;
    panel.Edit28->setText(number);
    QCOMPARE(panel.Edit32->text(), shown);
}

void TstBillPanel::computationFailure_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QString>("message");

    QTest::newRow("capitals too long") << "Edit19" << "1111111111111111.1" << QStringList{"Edit18"} << "数值过大!";
    QTest::newRow("reading beyond range")
        << "Edit7" << "1e17" << QStringList{"Edit8", "Edit10", "Edit19", "Edit18"} << "金额超出可计算的范围!";
    QTest::newRow("fee beyond range") << "Edit12" << "1e17" << QStringList{"Edit19", "Edit18"} << "金额超出可计算的范围!";
}

void TstBillPanel::computationFailure()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QStringList, kept);
    QFETCH(QString, message);

    EditingPanel editing;
    BillPanel &panel = editing.panel;
    fill(panel, realisticBill);
    QMap<QString, QString> before;
    for (const QString &name : kept)
        before[name] = edit(panel, name)->text();

    QSignalSpy failures(&panel, &BillPanel::computationFailed);
    edit(panel, field)->setText(value);

    QCOMPARE(failures.count(), 1);
    QCOMPARE(failures.at(0).at(0).toString(), message);
    for (const QString &name : kept)
        QCOMPARE(edit(panel, name)->text(), before[name]);
}

void TstBillPanel::screenshot()
{
    const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("set SCREENSHOT_DIR to write bill-panel.png");
    QDir().mkpath(folder);

    const auto shoot = [&](BillPanel &panel, const QString &file) {
        fill(panel, realisticBill);
        fill(panel, {"Edit17=押一付三，水电按表", "Edit28=42"});
        panel.ComboBox1->setEditText("王建国");
        panel.ComboBox2->setEditText("李秀英");
        panel.DateTimePicker1->setDate(QDate(2011, 3, 15));
        panel.DateTimePicker2->setDate(QDate(2011, 4, 14));
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY(panel.grab().save(QDir(folder).filePath(file)));
    };

    EditingPanel editing;
    shoot(editing.panel, "bill-panel-editing.png");

    BillPanel view;
    view.Edit19->setText("1086.06");
    shoot(view, "bill-panel.png");
}

QTEST_MAIN(TstBillPanel)
#include "tst_bill_panel.moc"
