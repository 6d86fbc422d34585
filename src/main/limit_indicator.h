#pragma once
#include <QLabel>

// A small green caption such as "超20度:" that opens the limit slider when
// clicked.
class LimitIndicator : public QLabel {
    Q_OBJECT
public:
    explicit LimitIndicator(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
