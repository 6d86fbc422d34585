#pragma once
#include "binding/bound_panel.h"

#include <array>

class HeaderStrip;
class LimitIndicator;
class LimitSlider;
class QComboBox;
class QDateTimeEdit;
class QKeyEvent;
class QLineEdit;
class QPainter;
class QPushButton;

// The bill of one house for one rental period, laid out like the paper
// receipt: three metered utilities priced in two tiers, rent and five fees,
// the total rounded by the bill's own mode and written in capitals.
//
// Every value change recomputes what depends on it at once, programmatic
// changes included, so loading or prefilling a bill shows consistent
// amounts. The total is recomputed only while the bill is being added or
// modified; in view mode it is shown as stored.
class BillPanel : public BoundPanel {
    Q_OBJECT
public:
    explicit BillPanel(QWidget *parent = nullptr);

    // Readings, prices, amounts and limits of the three utilities.
    QLineEdit *Edit6, *Edit7, *Edit8, *Edit9, *Edit35, *Edit10, *Edit37; // electricity
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit34, *Edit5, *Edit36;  // water
    QLineEdit *Edit38, *Edit39, *Edit40, *Edit41, *Edit43, *Edit42, *Edit44; // gas
    LimitIndicator *Panel13, *Panel12, *Panel14;
    // Rent, sanitation, television, management, internet, other; remark.
    QLineEdit *Edit11, *Edit12, *Edit13, *Edit14, *Edit15, *Edit16, *Edit17;
    QLineEdit *Edit18; // total in capitals
    QLineEdit *Edit19; // total
    QComboBox *ComboBox5; // rounding mode of the total
    QLineEdit *Edit28; // bill number (hidden)
    QLineEdit *Edit32; // bill number as shown, six digits
    QLineEdit *Edit30, *Edit31, *Edit33; // address, tenant, date added (hidden)
    QComboBox *ComboBox1, *ComboBox2; // issuer, payee
    QDateTimeEdit *DateTimePicker1, *DateTimePicker2; // rental period
    HeaderStrip *HeaderControl1;
    QFrame *Panel11;
    LimitSlider *TrackBar1;
    QPushButton *BitBtn12, *BitBtn11, *BitBtn10, *BitBtn15, *BitBtn16, *BitBtn22;

    // Which limit the slider writes: 1 electricity, 2 water, 3 gas.
    int LimitTarget = 0;

    // Adding or modifying a bill: the cancel button is on show.
    bool isEditing() const;
    void setEditing(bool editing);

    // True when the key must be swallowed: of the typed characters only
    // digits, ".", "-", backspace and Enter reach a number field.
    bool Edit1KeyPress(const QKeyEvent *event) const;

    void Edit6Change(QObject *sender);  // electricity row, then total
    void Edit1Change(QObject *sender);  // water row, then total
    void Edit38Change(QObject *sender); // gas row, then total
    void Edit37Change(QObject *sender); // electricity limit caption, then row
    void Edit36Change(QObject *sender); // water limit caption, then row
    void Edit44Change(QObject *sender); // gas limit caption, then row
    // The total; a sender given is marked changed and shows the save buttons.
    void ComboBox1Change(QObject *sender);
    void Edit10Change(QObject *sender);
    void Edit19Change();
    void Edit28Change();
    void Panel13Click(QObject *clickedIndicator);
    void TrackBar1Change(int position);
    void TrackBar1Exit();
    void HeaderControl1DrawSection(QPainter &painter, int section, const QRect &rect) const;

signals:
    // A computation could not be carried out; the field it was to write
    // keeps its text.
    void computationFailed(const QString &message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct UtilityRow {
        QLineEdit *last, *current, *used, *price, *over, *amount, *limit;
        LimitIndicator *indicator;
        QString unit;
        int limitTarget;
    };
    enum { Electricity, Water, Gas };

    void createControls();
    void layOutControls();
    void bindFields();
    void connectHandlers();
    void chainTabOrder();

    void computeRow(const UtilityRow &row, QObject *sender);
    void showLimit(const UtilityRow &row);

    std::array<UtilityRow, 3> rows_;
    QWidget *buttonColumn_ = nullptr;
};
