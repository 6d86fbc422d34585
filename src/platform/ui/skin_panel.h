#pragma once
#include <QColor>
#include <QWidget>

// A light panel of a skinned window, painted in one colour.
class SkinPanel : public QWidget {
    Q_OBJECT
public:
    explicit SkinPanel(const QColor &colour, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor colour_;
};
