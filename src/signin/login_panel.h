#pragma once
#include "platform/ui/skin_panel.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The login panel of TMsgForm1: the payee names with their rights and
// passwords in two hidden parallel lists, the password, the two login
// options and the countdown of an automatic login. What a login attempt
// does with the database is the caller's, through loginRequested.
class LoginPanel : public SkinPanel {
    Q_OBJECT
public:
    static constexpr int tickMs = 300;
    static QString countdownCaption(int ticksLeft);

    explicit LoginPanel(const QColor &colour, QWidget *parent = nullptr);

    // The rights the hidden list holds for entry i; 0 when it is no number.
    int rightsAt(int index) const;
    // Selects a payee and runs the selection handler once.
    void selectPayee(int index);
    void startCountdown();
    // Puts the keyboard where the user has to type next: the name list
    // while no name is chosen, else the password, selected so that typing
    // replaces it.
    void focusNextInput();

    QLabel *Image3;
    QComboBox *ComboBox1;
    QLineEdit *Edit2;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox2;
    QPushButton *BitBtn4;
    QPushButton *BitBtn5;
    QPushButton *BitBtn6;
    QComboBox *ComboBox2;
    QComboBox *ComboBox3;
    QTimer *Timer1;
    // Ticks left before an automatic login.
    int Counter = 2;

    void ComboBox1Change();
    void CheckBox1Click();
    void Timer1Timer();
    void BitBtn6Click();

signals:
    // "登录", Enter, or the end of the countdown.
    void loginRequested();
    // "退出" or Escape.
    void leaveRequested();
};
