#pragma once
#include <QSlider>

// The slider that sets a utility's limit, 0 to 100. While the user moves it,
// the position is shown in a tip above the thumb.
class LimitSlider : public QSlider {
    Q_OBJECT
public:
    explicit LimitSlider(QWidget *parent = nullptr);

signals:
    void focusLost();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showPositionTip();
};
