#pragma once
#include <QFrame>
#include <QList>
#include <QString>

class QCheckBox;

// An edit panel whose input controls stand for the fields of one table.
//
// The panel names its table (`helpKeyword`) and carries the key of the
// record an UPDATE or DELETE acts on (`tag`). Its input controls are listed
// in panel order, each with the field it stands for and its own binding
// state, the control's Tag:
//   text edits, combo boxes, date pickers: 0 or 1 not bound, 2 bound and
//   written by an INSERT, 3 bound and written by an UPDATE as well;
//   check boxes: the bit the box stands for in an integer bit-set field
//   (0: not bound).
// Only QLineEdit, QComboBox, QDateTimeEdit and QCheckBox take part. A
// control painted silver is display-only and is never unlocked.
class BoundPanel : public QFrame {
    Q_OBJECT
public:
    struct Control {
        QWidget *widget;
        QString field;
    };

    explicit BoundPanel(const QString &table, QWidget *parent = nullptr);

    QString helpKeyword;
    qint64 tag = 0;

    // Adds an input control at the end of the panel order. An empty field
    // and a tag of 0 make it an unbound control that is still cleared and
    // locked with the others.
    void bind(QWidget *control, const QString &field, int tag);
    const QList<Control> &controls() const { return controls_; }
    // The control bound to a field; nullptr when there is none.
    QWidget *controlFor(const QString &field) const;

private:
    QList<Control> controls_;
};

// A control's binding state.
int controlTag(const QWidget *control);
void setControlTag(QWidget *control, int tag);

// Silver (RGB 192, 192, 192) marks a display-only control.
void paintSilver(QWidget *control);
bool isSilver(const QWidget *control);
