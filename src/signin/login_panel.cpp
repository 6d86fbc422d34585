#include "signin/login_panel.h"

#include "platform/ui/skin.h"
#include "signin/artwork.h"
#include "signin/rights.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace {

constexpr int fieldWidth = 177;

QLabel *caption(const QString &text, const QRect &place, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setFont(skin::font(13));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

QString LoginPanel::countdownCaption(int ticksLeft)
{
    return QStringLiteral("自动登录(") + QString::number(ticksLeft) + QStringLiteral(")...点击取消");
}

LoginPanel::LoginPanel(const QColor &colour, QWidget *parent) : SkinPanel(colour, parent)
{
    setObjectName(QStringLiteral("Panel2"));

    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(9, 24, 128, 128);
    Image3->setPixmap(artwork::houseAndKey(128));

    caption(QStringLiteral("帐号："), QRect(155, 33, 42, 26), this);
    caption(QStringLiteral("密码："), QRect(155, 66, 42, 26), this);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(197, 33, fieldWidth, 26);
    ComboBox1->setFont(skin::font(13));
    ComboBox1->setEditable(false);

    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(197, 66, fieldWidth, 26);
    Edit2->setFont(skin::font(13));
    Edit2->setEchoMode(QLineEdit::Password);

    CheckBox1 = new QCheckBox(QStringLiteral("记住密码"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(197, 100, 92, 22);
    CheckBox1->setFont(skin::font(13));

    CheckBox2 = new QCheckBox(QStringLiteral("自动登录"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(293, 100, 92, 22);
    CheckBox2->setFont(skin::font(13));

    BitBtn4 = skin::makeButton(QStringLiteral("登录"), QRect(197, 136, 84, 25), this, "BitBtn4");
    BitBtn5 = skin::makeButton(QStringLiteral("退出"), QRect(291, 136, 83, 25), this, "BitBtn5");
    BitBtn6 = skin::makeButton(countdownCaption(3), QRect(151, 136, 135, 25), this, "BitBtn6");
    // Bold 12 px is what lets the whole caption fit the button's 135 pixels.
    BitBtn6->setFont(skin::font(12, true));
    BitBtn6->setStyleSheet(QStringLiteral("QPushButton { color: #d01010; padding: 0 2px; }"));
    BitBtn6->hide();

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->hide();
    ComboBox3 = new QComboBox(this);
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));
    ComboBox3->hide();

    skin::makeSeparator(QRect(152, 170, 222, 2), this);
    auto *hint = caption(QStringLiteral("请输入您的用户名及密码"), QRect(10, 175, 260, 18), this);
    hint->setFont(skin::font(12));
    hint->setStyleSheet(QStringLiteral("QLabel { color: #3c6478; }"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(tickMs);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &LoginPanel::ComboBox1Change);
    connect(CheckBox1, &QCheckBox::toggled, this, &LoginPanel::CheckBox1Click);
    connect(Timer1, &QTimer::timeout, this, &LoginPanel::Timer1Timer);
    connect(BitBtn4, &QPushButton::clicked, this, &LoginPanel::loginRequested);
    connect(BitBtn5, &QPushButton::clicked, this, &LoginPanel::leaveRequested);
    connect(BitBtn6, &QPushButton::clicked, this, &LoginPanel::BitBtn6Click);
}

int LoginPanel::rightsAt(int index) const
{
    bool ok = false;
    const int value = ComboBox2->itemText(index).trimmed().toInt(&ok);
    return ok ? value : 0;
}

void LoginPanel::selectPayee(int index)
{
    {
        const QSignalBlocker blocker(ComboBox1);
        ComboBox1->setCurrentIndex(index);
    }
    ComboBox1Change();
}

void LoginPanel::startCountdown()
{
    BitBtn6->show();
    BitBtn6->raise();
    Timer1->start();
}

void LoginPanel::focusNextInput()
{
    if (ComboBox1->currentIndex() < 0) {
        ComboBox1->setFocus();
        return;
    }
    Edit2->setFocus();
    Edit2->selectAll();
}

void LoginPanel::ComboBox1Change()
{
    const int index = ComboBox1->currentIndex();
    if (index < 0)
        return;
    const int payeeRights = rightsAt(index);
    BitBtn4->setEnabled(payeeRights & rights::Login);
    Edit2->clear();
    if (payeeRights & rights::RememberPassword) {
        CheckBox1->setChecked(true);
        CheckBox2->setChecked(payeeRights & rights::AutomaticLogin);
        Edit2->setText(ComboBox3->itemText(index));
    } else {
        CheckBox1->setChecked(false);
        CheckBox2->setChecked(false);
    }
}

// Automatic login only means something with a remembered password, but
// its mark is kept for when the password is remembered again.
void LoginPanel::CheckBox1Click()
{
    CheckBox2->setEnabled(CheckBox1->isChecked());
}

void LoginPanel::Timer1Timer()
{
    if (Counter > 0) {
        BitBtn6->setText(countdownCaption(Counter));
    } else {
        Timer1->stop();
        BitBtn6->hide();
        emit loginRequested();
    }
    --Counter;
}

void LoginPanel::BitBtn6Click()
{
    Timer1->stop();
    CheckBox2->setChecked(false);
    BitBtn6->hide();
}
