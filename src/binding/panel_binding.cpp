#include "binding/panel_binding.h"

#include "binding/bound_panel.h"
#include "core/data_module.h"
#include "platform/dataset/dataset.h"
#include "platform/db/app_clock.h"
#include "platform/db/date_text.h"
#include "platform/db/db_error.h"
#include "platform/db/sql_quote.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>

namespace {

// The four kinds of input control, and what a routine does with each.
template <typename OnEdit, typename OnCombo, typename OnDate, typename OnCheck>
void forEachInput(BoundPanel &panel, OnEdit onEdit, OnCombo onCombo, OnDate onDate, OnCheck onCheck)
{
    for (const BoundPanel::Control &c : panel.controls()) {
        if (auto *edit = qobject_cast<QLineEdit *>(c.widget))
            onEdit(edit, c.field);
        else if (auto *combo = qobject_cast<QComboBox *>(c.widget))
            onCombo(combo, c.field);
        else if (auto *date = qobject_cast<QDateTimeEdit *>(c.widget))
            onDate(date, c.field);
        else if (auto *check = qobject_cast<QCheckBox *>(c.widget))
            onCheck(check, c.field);
    }
}

bool isPickOnly(const QComboBox *combo)
{
    return !combo->isEditable();
}

QString shortDate(const QDateTimeEdit *picker)
{
    return dateText::date(picker->date());
}

// A combo box bound by its text: a pick-only list selects the item of that
// text (none when it has no such item).
void setComboText(QComboBox *combo, const QString &text)
{
    if (isPickOnly(combo))
        combo->setCurrentIndex(combo->findText(text));
    else
        combo->setEditText(text);
}

// Sets a picker's date and keeps its time of day.
void setDateOnly(QDateTimeEdit *picker, const QDate &day)
{
    picker->setDateTime(QDateTime(day, picker->time()));
}

// The bill panel keeps apostrophes out of its statements by writing commas
// in their place, and shows the user what was stored.
QString billText(QLineEdit *edit)
{
    if (edit->text().contains(QLatin1Char('\'')))
        edit->setText(edit->text().replace(QLatin1Char('\''), QLatin1Char(',')));
    return edit->text();
}

QString billText(QComboBox *combo)
{
    if (combo->currentText().contains(QLatin1Char('\'')))
        combo->setEditText(combo->currentText().replace(QLatin1Char('\''), QLatin1Char(',')));
    return combo->currentText();
}

void runAndLog(TDM1 &dm, const QString &sql, const QString &table, const QString &linkId,
               const QString &operation)
{
    dm.ADOCmd1.setCommandText(sql);
    dm.ADOCmd1.execute();
    dm.AddLog(table, linkId, sql, operation);
}

} // namespace

void LoadPanel(BoundPanel &panel, Dataset &dataset)
{
    forEachInput(
        panel,
        [&](QLineEdit *edit, const QString &field) {
            if (controlTag(edit) >= 2)
                edit->setText(dataset.field(field).asString());
        },
        [&](QComboBox *combo, const QString &field) {
            if (controlTag(combo) >= 2)
                setComboText(combo, dataset.field(field).asString());
        },
        [&](QDateTimeEdit *picker, const QString &field) {
            if (controlTag(picker) >= 2) {
                const QDateTime value = dataset.field(field).asDateTime();
                if (value.isValid())
                    setDateOnly(picker, value.date());
            }
        },
        [&](QCheckBox *box, const QString &field) {
            if (controlTag(box) > 0)
                box->setChecked((dataset.field(field).asInteger() & controlTag(box)) != 0);
        });
}

void ClearPanel(BoundPanel &panel, bool editable)
{
    forEachInput(
        panel,
        [&](QLineEdit *edit, const QString &) {
            edit->clear();
            edit->setReadOnly(!editable);
        },
        [&](QComboBox *combo, const QString &) {
            setComboText(combo, QString());
            combo->setEnabled(editable);
        },
        [&](QDateTimeEdit *picker, const QString &) {
            setDateOnly(picker, AppClock::now().date());
            picker->setEnabled(editable);
        },
        [&](QCheckBox *box, const QString &) {
            box->setChecked(false);
            box->setEnabled(editable);
        });
}

void EnablePanel(BoundPanel &panel, bool editable)
{
    for (const BoundPanel::Control &c : panel.controls()) {
        if (isSilver(c.widget))
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(c.widget))
            edit->setReadOnly(!editable);
        else
            c.widget->setEnabled(editable);
    }
}

QString insertStatement(BoundPanel &panel)
{
    QString fields, values, bitField, bitText;
    qint64 bits = 0;
    const auto addText = [&](const QString &field, const QString &text) {
        fields += field + QLatin1Char(',');
        values += sqlQuote(text) + QLatin1Char(',');
    };
    forEachInput(
        panel,
        [&](QLineEdit *edit, const QString &field) {
            if (controlTag(edit) >= 2)
                addText(field, edit->text());
        },
        [&](QComboBox *combo, const QString &field) {
            if (controlTag(combo) >= 2)
                addText(field, combo->currentText());
        },
        [&](QDateTimeEdit *picker, const QString &field) {
            if (controlTag(picker) >= 2)
                addText(field, shortDate(picker));
        },
        [&](QCheckBox *box, const QString &field) {
            if (controlTag(box) > 0) {
                if (box->isChecked())
                    bits |= controlTag(box);
                bitField = field;
                bitText = QString::number(bits);
            }
        });
    if (!bitText.isEmpty()) {
        fields += bitField + QLatin1Char(',');
        values += bitText + QLatin1Char(',');
    }
    fields.chop(1);
    values.chop(1);
    return QStringLiteral("INSERT INTO %1(%2) VALUES (%3)").arg(panel.helpKeyword, fields, values);
}

QString updateStatement(BoundPanel &panel)
{
    QString assignments, bitClause;
    qint64 bits = 0;
    const auto assign = [&](const QString &field, const QString &text) {
        assignments += field + QLatin1Char('=') + sqlQuote(text) + QLatin1Char(',');
    };
    forEachInput(
        panel,
        [&](QLineEdit *edit, const QString &field) {
            if (controlTag(edit) == 3)
                assign(field, edit->text());
        },
        [&](QComboBox *combo, const QString &field) {
            if (controlTag(combo) == 3)
                assign(field, combo->currentText());
        },
        [&](QDateTimeEdit *picker, const QString &field) {
            if (controlTag(picker) == 3)
                assign(field, shortDate(picker));
        },
        [&](QCheckBox *box, const QString &field) {
            if (controlTag(box) > 0) {
                if (box->isChecked())
                    bits |= controlTag(box);
                bitClause = field + QLatin1Char('=') + QString::number(bits);
            }
        });
    assignments.chop(1); // the trailing comma
    if (!bitClause.isEmpty() && !assignments.isEmpty())
        bitClause.prepend(QLatin1Char(','));
    return QStringLiteral("update %1 Set %2%3 WHERE (IDS=%4)")
        .arg(panel.helpKeyword, assignments, bitClause)
        .arg(panel.tag);
}

void InsertFromPanel(BoundPanel &panel, TDM1 &dm)
{
    runAndLog(dm, insertStatement(panel), panel.helpKeyword, QString(), QStringLiteral("插入"));
}

void UpdateFromPanel(BoundPanel &panel, TDM1 &dm)
{
    runAndLog(dm, updateStatement(panel), panel.helpKeyword, QString::number(panel.tag),
              QStringLiteral("修改"));
}

void DeleteFromPanel(BoundPanel &panel, TDM1 &dm)
{
    runAndLog(dm, QStringLiteral("DELETE from %1 where ids=%2").arg(panel.helpKeyword).arg(panel.tag),
              panel.helpKeyword, QString::number(panel.tag), QStringLiteral("删除"));
}

BillStatement BillInsertSQL(BoundPanel &panel)
{
    QString fields, values;
    bool any = false;
    const auto add = [&](const QString &field, const QString &value) {
        fields += QLatin1Char(',') + field;
        values += QLatin1Char(',') + value;
        any = true;
    };
    forEachInput(
        panel,
        [&](QLineEdit *edit, const QString &field) {
            if (controlTag(edit) >= 2)
                add(field, sqlQuote(billText(edit)));
        },
        [&](QComboBox *combo, const QString &field) {
            if (controlTag(combo) < 2)
                return;
            add(field, isPickOnly(combo) ? QString::number(combo->currentIndex()) : sqlQuote(billText(combo)));
        },
        [&](QDateTimeEdit *picker, const QString &field) {
            if (controlTag(picker) >= 2)
                add(field, sqlQuote(dateText::dateTimeOmitMidnight(picker->dateTime())));
        },
        [](QCheckBox *, const QString &) {});
    return {QStringLiteral("INSERT INTO 单据明细 (%1) VALUES (%2)").arg(fields.mid(1), values.mid(1)), any};
}

BillStatement BillUpdateSQL(BoundPanel &panel, qint64 billKey)
{
    QString assignments;
    bool any = false;
    const auto assign = [&](const QString &field, const QString &value) {
        assignments += field + QLatin1Char('=') + value + QLatin1Char(',');
        any = true;
    };
    forEachInput(
        panel,
        [&](QLineEdit *edit, const QString &field) {
            if (controlTag(edit) == 3)
                assign(field, sqlQuote(billText(edit)));
        },
        [&](QComboBox *combo, const QString &field) {
            if (controlTag(combo) != 3)
                return;
            assign(field, isPickOnly(combo) ? QString::number(combo->currentIndex()) : sqlQuote(billText(combo)));
        },
        [&](QDateTimeEdit *picker, const QString &field) {
            if (controlTag(picker) == 3)
                assign(field, sqlQuote(shortDate(picker)));
        },
        [](QCheckBox *, const QString &) {});
    assignments.chop(1);
    return {QStringLiteral("update 单据明细 Set %1 where ids=%2").arg(assignments).arg(billKey), any};
}

void CDS1AfterScroll(BoundPanel &panel, Dataset &bills, bool pageEditing)
{
    if (!bills.isOpen() || bills.eof() || !bills.onStoredRecord() || pageEditing)
        return;
    try {
        forEachInput(
            panel,
            [&](QLineEdit *edit, const QString &field) {
                if (controlTag(edit) < 2)
                    return;
                edit->setText(bills.field(field).asString());
                setControlTag(edit, 2);
            },
            [&](QComboBox *combo, const QString &field) {
                if (controlTag(combo) < 2)
                    return;
                const FieldValue value = bills.field(field);
                if (isPickOnly(combo)) {
                    bool whole = false;
                    const int index = value.asString().toInt(&whole);
                    if (whole)
                        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
                } else {
                    combo->setEditText(value.asString());
                }
                setControlTag(combo, 2);
            },
            [&](QDateTimeEdit *picker, const QString &field) {
                if (controlTag(picker) < 2)
                    return;
                const QDateTime value = bills.field(field).asDateTime();
                if (value.isValid())
                    picker->setDateTime(value);
                setControlTag(picker, 2);
            },
            [](QCheckBox *, const QString &) {});
    } catch (const DbError &) {
        // A field the list lacks ends the walk; the rest keeps what it showed.
    }
    // Loading recomputes as the fields arrive: the capitals from the total,
    // and each amount whenever a later field of its row (a limit, an
    // over-limit price) differs from what the panel showed before. Where
    // the result equals the record, nothing has changed. Where it does not
    // (an amount stored out of step with its readings), the panel shows the
    // recomputed value and keeps it marked, so the next save writes it and
    // the record agrees with the total it is saved with.
    for (const BoundPanel::Control &c : panel.controls()) {
        if (qobject_cast<QCheckBox *>(c.widget) || controlTag(c.widget) != 3)
            continue;
        auto *edit = qobject_cast<QLineEdit *>(c.widget);
        if (edit && bills.fieldIndex(c.field) >= 0 && edit->text() != bills.field(c.field).asString())
            continue;
        setControlTag(c.widget, 2);
    }
}
