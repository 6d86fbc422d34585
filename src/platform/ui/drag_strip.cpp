#include "platform/ui/drag_strip.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

DragStrip::DragStrip(QWidget *window, int height) : QObject(window), window_(window), height_(height)
{
    window_->installEventFilter(this);
}

void DragStrip::addHandle(QWidget *handle)
{
    handle->installEventFilter(this);
}

bool DragStrip::pressMovesWindow(Qt::MouseButton button, qreal y, int height)
{
    return button == Qt::LeftButton && y < height;
}

bool DragStrip::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return press(static_cast<const QMouseEvent &>(*event));
    case QEvent::MouseMove:
        if (grabOffset_) {
            const auto &move = static_cast<const QMouseEvent &>(*event);
            window_->move(move.globalPosition().toPoint() - *grabOffset_);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (grabOffset_) {
            grabOffset_.reset();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool DragStrip::press(const QMouseEvent &event)
{
    if (!pressMovesWindow(event.button(), event.position().y(), height_))
        return false;
    // The window manager moves the window itself where it can; it also
    // takes the pointer grab, so the rest of the drag never reaches us.
    if (QWindow *handle = window_->windowHandle(); handle && handle->startSystemMove())
        return true;
    grabOffset_ = event.globalPosition().toPoint() - window_->pos();
    return true;
}
