#pragma once
#include <QObject>
#include <QPoint>

#include <optional>

class QMouseEvent;
class QWidget;

// Lets the user move a frameless window by pressing the left button in the
// strip along its top, as he would grab a caption. A press lower down or
// with another button is left to the window.
class DragStrip : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultHeight = 30;

    explicit DragStrip(QWidget *window, int height = defaultHeight);

    // Presses on this widget count as well, measured in its own coordinates,
    // so a title label inside the strip drags the window too.
    void addHandle(QWidget *handle);

    // Whether a press at this height, in the pressed widget's coordinates,
    // moves the window.
    static bool pressMovesWindow(Qt::MouseButton button, qreal y, int height = defaultHeight);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool press(const QMouseEvent &event);

    QWidget *window_;
    int height_;
    // Where the pointer holds the window while it is moved by hand, on
    // platforms that offer no system move.
    std::optional<QPoint> grabOffset_;
};
