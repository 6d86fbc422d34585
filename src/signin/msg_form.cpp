#include "signin/msg_form.h"

#include "platform/ui/close_area.h"
#include "platform/ui/drag_strip.h"
#include "platform/ui/frameless_window.h"
#include "platform/ui/skin.h"
#include "platform/ui/skin_panel.h"
#include "signin/artwork.h"
#include "signin/login_panel.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

const QColor panelColour(174, 214, 223);
constexpr int cornerEllipse = 20;

} // namespace

TMsgForm1::TMsgForm1(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("MsgForm1"));
    makeFrameless(this, QSize(clientWidth, clientHeight), cornerEllipse);
    setFont(skin::font(12));
    setStyleSheet(skin::panelStyleSheet());

    Label44 = skin::makeStripLabel(QString(), QRect(44, 7, 200, 25), this, "Label44");
    Label44->setFont(skin::font(16));

    Label37 = new CloseArea(this);
    Label37->setObjectName(QStringLiteral("Label37"));
    Label37->setGeometry(379, 7, 26, 24);
    connect(Label37, &CloseArea::closeRequested, this, &TMsgForm1::Label37Click);

    auto *strip = new DragStrip(this);
    strip->addHandle(Label44);

    buildMessagePanel();

    Panel2 = new LoginPanel(panelColour, this);
    Panel2->setGeometry(4, 40, 408, 197);
    connect(Panel2, &LoginPanel::leaveRequested, this, &TMsgForm1::reject);

    defaultButtons_ = {BitBtn1, BitBtn3, Panel2->BitBtn4};
    cancelButtons_ = {BitBtn2, BitBtn3, Panel2->BitBtn5};
}

void TMsgForm1::buildMessagePanel()
{
    Panel1 = new SkinPanel(panelColour, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(4, 40, 408, 198);

    Image2 = new QLabel(Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(24, 43, 49, 49);
    setIcon(Icon::Information);

    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(79, 13, 253, 114);
    Label1->setFont(skin::font(13, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    // Messages carry engine errors and typed names: shown as they are,
    // never read as markup.
    Label1->setTextFormat(Qt::PlainText);

    Bevel2 = skin::makeSeparator(QRect(20, 127, 367, 2), Panel1);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));

    BitBtn1 = skin::makeButton(QStringLiteral("是"), QRect(80, 148, 101, 33), Panel1, "BitBtn1");
    BitBtn2 = skin::makeButton(QStringLiteral("否"), QRect(228, 148, 97, 33), Panel1, "BitBtn2");
    BitBtn3 = skin::makeButton(QStringLiteral("确定"), QRect(152, 148, 105, 33), Panel1, "BitBtn3");
    connect(BitBtn1, &QPushButton::clicked, this, &TMsgForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TMsgForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TMsgForm1::BitBtn3Click);
}

QWidget *TMsgForm1::defaultParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog))
            return widget;
    return nullptr;
}

QString TMsgForm1::displayText(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

void TMsgForm1::setTitle(const QString &title)
{
    Label44->setText(title);
    setWindowTitle(title);
}

void TMsgForm1::setMessage(const QString &text)
{
    Label1->setText(displayText(text));
}

void TMsgForm1::setIcon(Icon icon)
{
    Image2->setPixmap(icon == Icon::Question ? artwork::questionIcon(49) : artwork::informationIcon(49));
}

void TMsgForm1::BitBtn1Click()
{
    Tag = yes;
    accept();
}

void TMsgForm1::BitBtn2Click()
{
    Tag = 0;
    reject();
}

void TMsgForm1::BitBtn3Click()
{
    Tag = yes;
    accept();
}

void TMsgForm1::Label37Click()
{
    reject();
}

void TMsgForm1::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    skin::paintWindowFrame(painter, rect(), titleStripHeight, cornerEllipse / 2);
    painter.drawPixmap(QRect(15, 9, 22, 22), artwork::titleEmblem(22));
}

void TMsgForm1::showEvent(QShowEvent *event)
{
    // Only one button of a window can be the default; it is the first one
    // the current use of the form shows.
    if (QPushButton *button = visibleButton(defaultButtons_))
        button->setDefault(true);
    QDialog::showEvent(event);
}

void TMsgForm1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        // Escape presses the cancel button on show; without one it does
        // nothing, and never closes the window by itself.
        if (QPushButton *button = visibleButton(cancelButtons_); button && button->isEnabled())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton *TMsgForm1::visibleButton(const QList<QPushButton *> &candidates) const
{
    for (QPushButton *button : candidates)
        if (button->isVisibleTo(this))
            return button;
    return nullptr;
}
