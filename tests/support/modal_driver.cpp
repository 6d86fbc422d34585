#include "modal_driver.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPointer>

#include <utility>

namespace {
constexpr int pollMs = 5;

QList<QPointer<QTimer>> &pending()
{
    static QList<QPointer<QTimer>> polls;
    return polls;
}
} // namespace

bool dropPendingModals()
{
    bool any = false;
    for (const QPointer<QTimer> &poll : std::exchange(pending(), {}))
        if (poll && poll->isActive()) {
            any = true;
            poll->deleteLater();
            poll->stop();
        }
    return any;
}

void onNextModal(std::function<void(QDialog &)> act)
{
    auto *poll = new QTimer(qApp);
    pending() << poll;
    poll->setInterval(pollMs);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        QPointer<QDialog> guard(dialog);
        act(*dialog);
        if (guard && guard->isVisible())
            guard->reject();
        poll->deleteLater();
    });
    poll->start();
}

ModalWatch::ModalWatch()
{
    timer_.setInterval(pollMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()); dialog && dialog->isVisible()) {
            ++seen_;
            dialog->reject();
        }
    });
    timer_.start();
}

QWidget *keyTarget(QWidget &window)
{
    QWidget *focus = window.focusWidget();
    return focus ? focus : &window;
}

void saveScreenshot(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("SCREENSHOT_DIR");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QPixmap grabbed = window.grab();
    QImage shaped(grabbed.size(), QImage::Format_ARGB32_Premultiplied);
    shaped.setDevicePixelRatio(grabbed.devicePixelRatio());
    shaped.fill(Qt::transparent);
    QPainter painter(&shaped);
    if (!window.mask().isEmpty())
        painter.setClipRegion(window.mask());
    painter.drawPixmap(0, 0, grabbed);
    painter.end();
    shaped.save(QDir(folder).filePath(name));
}
