#pragma once
#include <QDialog>
#include <QList>
#include <QString>

class CloseArea;
class DragStrip;
class LoginPanel;
class QFrame;
class QLabel;
class QPushButton;
class SkinPanel;

// The skinned window of the system's messages, questions and login: a
// frameless, rounded 414 x 249 window with a dark title strip, the message
// panel and, in its place, the login panel. Each use creates one, shows
// it modally and destroys it; Tag carries the answer.
class TMsgForm1 : public QDialog {
    Q_OBJECT
public:
    static constexpr int clientWidth = 414;
    static constexpr int clientHeight = 249;
    static constexpr int titleStripHeight = 40;
    static constexpr int yes = 6;

    enum class Icon { Information, Question };

    explicit TMsgForm1(QWidget *parent = nullptr);

    // The window a new box stands over: the open modal window, else the
    // active one, else the first window on show; none on an empty desktop.
    static QWidget *defaultParent();
    // Message texts mark line breaks with "\r"; the label needs real ones.
    static QString displayText(const QString &text);

    void setTitle(const QString &title);
    void setMessage(const QString &text);
    void setIcon(Icon icon);

    // 0 when created; 6 after "是" or "确定", 0 after "否"; the close area
    // leaves it as it is.
    int Tag = 0;

    QLabel *Label44;
    CloseArea *Label37;
    SkinPanel *Panel1;
    QLabel *Image2;
    QLabel *Label1;
    QFrame *Bevel2;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    QPushButton *BitBtn3;
    LoginPanel *Panel2;

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void Label37Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildMessagePanel();
    QPushButton *visibleButton(const QList<QPushButton *> &candidates) const;

    // Enter presses the first visible default button, Escape the first
    // visible cancel button.
    QList<QPushButton *> defaultButtons_;
    QList<QPushButton *> cancelButtons_;
};
