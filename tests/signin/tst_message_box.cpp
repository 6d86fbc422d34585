#include "modal_driver.h"
#include "platform/ui/close_area.h"
#include "signin/message_box.h"
#include "message_script.h"
#include "signin/msg_form.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 110 && qAlpha(pixel) > 0;
}

// The box around the dark text pixels of a rendered label.
QRect inkBounds(QWidget &label)
{
    const QImage image = label.grab().toImage();
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int ask(const QString &kind, const QString &text)
{
    return kind == QLatin1String("info") ? MsgInfo(text) : MsgConfirm(text);
}

} // namespace

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QVERIFY2(!dropPendingModals(), "a dialog the test drove never opened"); }

    void results_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::newRow("info: 确定") << "info" << "BitBtn3" << 6;
        QTest::newRow("info: Enter") << "info" << "enter" << 6;
        QTest::newRow("info: Escape") << "info" << "escape" << 6;
        QTest::newRow("info: close area") << "info" << "close" << 0;
        QTest::newRow("info: close area, right button") << "info" << "close-right" << 0;
        QTest::newRow("confirm: 是") << "confirm" << "BitBtn1" << 6;
        QTest::newRow("confirm: 否") << "confirm" << "BitBtn2" << 0;
        QTest::newRow("confirm: Enter") << "confirm" << "enter" << 6;
        QTest::newRow("confirm: Escape") << "confirm" << "escape" << 0;
        QTest::newRow("confirm: close area") << "confirm" << "close" << 0;
    }
    void results()
    {
        QFETCH(QString, kind);
        QFETCH(QString, action);
        QFETCH(int, result);
        const bool info = kind == QLatin1String("info");
        bool acted = false;
        onNextModal([&](QDialog &box) {
            QCOMPARE(box.findChild<QLabel *>(QStringLiteral("Label44"))->text(),
                     info ? QStringLiteral("提示") : QStringLiteral("确认"));
            QCOMPARE(box.findChild<QWidget *>(QStringLiteral("Panel2"))->isVisible(), false);
            QCOMPARE(box.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->isVisible(), !info);
            QCOMPARE(box.findChild<QPushButton *>(QStringLiteral("BitBtn2"))->isVisible(), !info);
            QCOMPARE(box.findChild<QPushButton *>(QStringLiteral("BitBtn3"))->isVisible(), info);
            acted = true;
            auto *closeArea = box.findChild<CloseArea *>(QStringLiteral("Label37"));
            if (action == QLatin1String("enter"))
                QTest::keyClick(keyTarget(box), Qt::Key_Return);
            else if (action == QLatin1String("escape"))
                QTest::keyClick(keyTarget(box), Qt::Key_Escape);
            else if (action == QLatin1String("close"))
                QTest::mouseClick(closeArea, Qt::LeftButton);
            else if (action == QLatin1String("close-right"))
                QTest::mouseClick(closeArea, Qt::RightButton);
            else
                QTest::mouseClick(box.findChild<QPushButton *>(action), Qt::LeftButton);
            QVERIFY2(!box.isVisible(), "the box must close");
        });
        QCOMPARE(ask(kind, QStringLiteral("要继续吗？")), result);
        QVERIFY(acted);
    }

    // The callers break lines with "\r"; the label must show them as lines,
    // centred both ways, and nothing may be cut off.
    void textWrapsAndCentres_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("lines");
        QTest::newRow("one line") << "保存成功！" << "保存成功！" << 1;
        QTest::newRow("carriage return") << "提示：\r系统至少要保留一个帐号！" << "提示：\n系统至少要保留一个帐号！" << 2;
        QTest::newRow("CR LF is one break") << "错误信息:\r\nno such table" << "错误信息:\nno such table" << 2;
        QTest::newRow("long line wraps")
            << "该房屋还有未结清的租金单据，删除后这些单据将无法再按房屋查询，请先处理单据后再删除房屋资料。"
            << "该房屋还有未结清的租金单据，删除后这些单据将无法再按房屋查询，请先处理单据后再删除房屋资料。" << 3;
    }
    void textWrapsAndCentres()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QFETCH(int, lines);
        onNextModal([&](QDialog &box) {
            auto *label = box.findChild<QLabel *>(QStringLiteral("Label1"));
            QCOMPARE(label->text(), shown);
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
            const QRect ink = inkBounds(*label);
            QVERIFY(!ink.isEmpty());
            // Inside the label with room to spare: nothing clipped.
            QVERIFY2(ink.left() > 0 && ink.top() > 0 && ink.right() < label->width() - 1
                         && ink.bottom() < label->height() - 1,
                     qPrintable(QStringLiteral("ink %1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
            // Full-width punctuation inks only the left half of its cell,
            // so allow half a character of slack.
            const QPoint centre = ink.center() - label->rect().center();
            QVERIFY2(qAbs(centre.x()) <= 7 && qAbs(centre.y()) <= 4,
                     qPrintable(QStringLiteral("off centre by %1,%2").arg(centre.x()).arg(centre.y())));
            const int lineHeight = label->fontMetrics().lineSpacing();
            QCOMPARE((ink.height() + lineHeight / 2) / lineHeight, lines);
            QTest::keyClick(keyTarget(box), Qt::Key_Return);
        });
        MsgInfo(text);
    }

    // Neither box lets the text become markup.
    void textIsShownAsTyped()
    {
        onNextModal([](QDialog &box) {
            auto *label = box.findChild<QLabel *>(QStringLiteral("Label1"));
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->text(), QStringLiteral("<b>A101</b>"));
            // What is drawn is the whole text, tags included: markup would
            // show only "A101", about half as wide.
            const QFontMetrics metrics = label->fontMetrics();
            const int typed = metrics.horizontalAdvance(QStringLiteral("<b>A101</b>"));
            QVERIFY2(inkBounds(*label).width() > typed * 3 / 4,
                     qPrintable(QStringLiteral("ink %1 of %2").arg(inkBounds(*label).width()).arg(typed)));
        });
        MsgInfo(QStringLiteral("<b>A101</b>"));
    }

    // Only the left button in the top 30 pixels moves the window; a press
    // on the title label counts wherever it lands on the label.
    void dragStrip_data()
    {
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("moves");
        QTest::newRow("top edge") << "form" << int(Qt::LeftButton) << 0 << true;
        QTest::newRow("last row of the strip") << "form" << int(Qt::LeftButton) << 29 << true;
        QTest::newRow("just below the strip") << "form" << int(Qt::LeftButton) << 30 << false;
        QTest::newRow("on the panel") << "form" << int(Qt::LeftButton) << 120 << false;
        QTest::newRow("right button in the strip") << "form" << int(Qt::RightButton) << 10 << false;
        QTest::newRow("title label") << "Label44" << int(Qt::LeftButton) << 12 << true;
        QTest::newRow("title label, lowest row") << "Label44" << int(Qt::LeftButton) << 24 << true;
        QTest::newRow("title label, right button") << "Label44" << int(Qt::RightButton) << 12 << false;
    }
    void dragStrip()
    {
        QFETCH(QString, pressed);
        QFETCH(int, button);
        QFETCH(int, y);
        QFETCH(bool, moves);
        TMsgForm1 form;
        form.move(300, 200);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QWidget *target = pressed == QLatin1String("form") ? static_cast<QWidget *>(&form) : form.Label44;
        const auto b = Qt::MouseButton(button);
        const QPoint start = form.pos();
        QTest::mousePress(target, b, {}, QPoint(60, y));
        QTest::mouseMove(target, QPoint(85, y + 12));
        QTest::mouseRelease(target, b, {}, QPoint(85, y + 12));
        QCOMPARE(form.pos(), moves ? start + QPoint(25, 12) : start);
    }

    // The corners are cut along a 20 x 20 ellipse, the sides are kept, and
    // the outline reaches one pixel past the right and bottom edges.
    void roundedOutline_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("top left corner") << QPoint(0, 0) << false;
        QTest::newRow("bottom right corner") << QPoint(413, 248) << false;
        QTest::newRow("inside the top left curve") << QPoint(3, 3) << true;
        QTest::newRow("outside the top left curve") << QPoint(1, 3) << false;
        QTest::newRow("middle of the top edge") << QPoint(207, 0) << true;
        QTest::newRow("middle of the left edge") << QPoint(0, 124) << true;
        QTest::newRow("one past the right edge") << QPoint(414, 124) << true;
        QTest::newRow("two past the right edge") << QPoint(415, 124) << false;
    }
    void roundedOutline()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        TMsgForm1 form;
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form.size(), QSize(414, 249));
        QCOMPARE(form.mask().contains(point), inside);
    }

    void closeAreaLightsUpUnderThePointer()
    {
        TMsgForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage normal = form.grab(form.Label37->geometry()).toImage();
        QEnterEvent enter(QPointF(13, 12), QPointF(13, 12), form.Label37->mapToGlobal(QPointF(13, 12)));
        QApplication::sendEvent(form.Label37, &enter);
        QVERIFY(form.Label37->isHot());
        const QImage hot = form.grab(form.Label37->geometry()).toImage();
        QVERIFY(qRed(hot.pixel(6, 12)) > qRed(normal.pixel(6, 12)) + 40);
        // Pressing returns it to the normal look before the release closes.
        QTest::mousePress(form.Label37, Qt::LeftButton);
        QVERIFY(!form.Label37->isHot());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(form.Label37, &leave);
        QVERIFY(!form.Label37->isHot());
    }

    void answererStandsInForTheWindow()
    {
        {
            ModalWatch watch;
            MessageScript script({0});
            QCOMPARE(MsgConfirm(QStringLiteral("删除?\r确定")), 0);
            QCOMPARE(MsgInfo(QStringLiteral("已保存")), 6);
            QCOMPARE(MsgConfirm(QStringLiteral("再来?")), 6);
            QCOMPARE(script.titles, QStringList({"确认", "提示", "确认"}));
            QCOMPARE(script.texts, QStringList({"删除?\r确定", "已保存", "再来?"}));
            QCOMPARE(watch.seen(), 0);
        }
        // Without a script the window is back: Enter answers it with 6.
        onNextModal([](QDialog &box) { QTest::keyClick(keyTarget(box), Qt::Key_Return); });
        QCOMPARE(MsgConfirm(QStringLiteral("真的吗?")), 6);
    }

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"))
            QSKIP("SCREENSHOT_DIR is not set");
        onNextModal([](QDialog &box) {
            saveScreenshot(box, QStringLiteral("message.png"));
        });
        MsgInfo(QStringLiteral("提示：\r系统至少要保留一个帐号！"));
        onNextModal([](QDialog &box) {
            saveScreenshot(box, QStringLiteral("confirm.png"));
            auto *closeArea = box.findChild<CloseArea *>(QStringLiteral("Label37"));
            QEnterEvent enter(QPointF(13, 12), QPointF(13, 12), closeArea->mapToGlobal(QPointF(13, 12)));
            QApplication::sendEvent(closeArea, &enter);
            saveScreenshot(box, QStringLiteral("confirm_close_hover.png"));
        });
        MsgConfirm(QStringLiteral("确定要删除这张租金单据吗？"));
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
