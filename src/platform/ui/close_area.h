#pragma once
#include <QWidget>

// The close button of a skinned window: a transparent area showing the
// close glyph, brighter while the pointer is over it. Releasing a button
// after pressing it here asks to close.
class CloseArea : public QWidget {
    Q_OBJECT
public:
    explicit CloseArea(QWidget *parent = nullptr);

    bool isHot() const { return hot_; }

signals:
    void closeRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHot(bool hot);

    bool hot_ = false;
    bool pressed_ = false;
};
