#include "platform/ui/skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadialGradient>

namespace skin {

namespace {
const QColor frameTop{58, 110, 165};
const QColor frameUnderStrip{27, 69, 119};
const QColor frameBottom{18, 52, 95};
const QColor outline{10, 33, 62};
} // namespace

QFont font(int pixelSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void paintTitleStrip(QPainter &painter, const QRect &strip)
{
    painter.save();
    QLinearGradient fill(strip.topLeft(), strip.bottomLeft());
    fill.setColorAt(0.0, frameTop);
    fill.setColorAt(1.0, frameUnderStrip);
    painter.fillRect(strip, fill);

    // Gloss on the upper half, as if lit from above.
    QRect gloss = strip;
    gloss.setHeight(strip.height() / 2);
    QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, 70));
    shine.setColorAt(1.0, QColor(255, 255, 255, 12));
    painter.fillRect(gloss, shine);

    // A fine light line under the strip parts it from the body.
    painter.setPen(QColor(120, 170, 215, 150));
    painter.drawLine(strip.left(), strip.bottom(), strip.right(), strip.bottom());
    painter.restore();
}

void paintWindowFrame(QPainter &painter, const QRect &window, int stripHeight, int cornerRadius)
{
    painter.save();
    QLinearGradient body(window.topLeft(), window.bottomLeft());
    body.setColorAt(0.0, frameUnderStrip);
    body.setColorAt(1.0, frameBottom);
    painter.fillRect(window, body);
    paintTitleStrip(painter, QRect(window.left(), window.top(), window.width(), stripHeight));

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const QRectF edge = QRectF(window).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(outline, 1));
    painter.drawRoundedRect(edge, cornerRadius, cornerRadius);
    painter.setPen(QPen(QColor(255, 255, 255, 45), 1));
    painter.drawRoundedRect(edge.adjusted(1, 1, -1, -1), cornerRadius - 1, cornerRadius - 1);
    painter.restore();
}

void paintPanel(QPainter &painter, const QRect &panel, const QColor &base)
{
    painter.save();
    QLinearGradient fill(panel.topLeft(), panel.bottomLeft());
    fill.setColorAt(0.0, base.lighter(112));
    fill.setColorAt(0.35, base);
    fill.setColorAt(1.0, base.darker(104));
    painter.fillRect(panel, fill);
    painter.setPen(base.darker(150));
    painter.drawRect(panel.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(255, 255, 255, 120));
    painter.drawLine(panel.left() + 1, panel.top() + 1, panel.right() - 1, panel.top() + 1);
    painter.restore();
}

void paintCloseGlyph(QPainter &painter, const QRect &area, bool hot)
{
    // The glyph is a 32 x 32 picture placed at (-3, -4) of the area; its
    // round button is centred in that picture.
    const QPointF centre = QPointF(area.topLeft()) + QPointF(-3 + 16, -4 + 16);
    const qreal radius = 9.5;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient fill(centre - QPointF(0, radius / 2), radius * 1.6);
    if (hot) {
        fill.setColorAt(0.0, QColor(255, 128, 112));
        fill.setColorAt(1.0, QColor(200, 40, 36));
        painter.setPen(QPen(QColor(255, 190, 180), 1));
    } else {
        fill.setColorAt(0.0, QColor(255, 255, 255, 70));
        fill.setColorAt(1.0, QColor(255, 255, 255, 20));
        painter.setPen(QPen(QColor(255, 255, 255, 110), 1));
    }
    painter.setBrush(fill);
    painter.drawEllipse(centre, radius, radius);

    const qreal arm = 4.0;
    painter.setPen(QPen(QColor(255, 255, 255, hot ? 255 : 230), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
    painter.restore();
}

QString panelStyleSheet()
{
    return QStringLiteral(
        "QPushButton {"
        "  color: #15354f; border: 1px solid #5d8ca8; border-radius: 4px; padding: 0 8px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        "    stop:0 #ffffff, stop:0.48 #eef7fa, stop:0.52 #e1f0f5, stop:1 #cce4ec);"
        "}"
        "QPushButton:hover {"
        "  border-color: #2d77ab;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        "    stop:0 #ffffff, stop:0.48 #f4fbfd, stop:0.52 #e8f6fb, stop:1 #d6eef6);"
        "}"
        "QPushButton:pressed {"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #c3dde7, stop:1 #e6f3f8);"
        "}"
        "QPushButton:default { border: 1px solid #1d5d91; }"
        "QPushButton:disabled { color: #8fa4b1; border-color: #a8c1cd; background: #e2edf1; }"
        "QCheckBox { color: #15354f; spacing: 4px; }"
        "QCheckBox:disabled { color: #7f98a6; }"
        "QLabel { color: #15354f; }"
        // An edit reads its mask character once, when it is created, so
        // the rule has to be in place before the edit exists.
        "QLineEdit { lineedit-password-character: 42; }");
}

QPushButton *makeButton(const QString &text, const QRect &place, QWidget *parent, const char *name)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFont(font(13));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel *makeStripLabel(const QString &text, const QRect &place, QWidget *parent, const char *name,
                       Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setStyleSheet(QStringLiteral("QLabel { color: %1; background: transparent; }").arg(titleText.name()));
    return label;
}

QFrame *makeSeparator(const QRect &place, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setGeometry(place);
    line->setStyleSheet(QStringLiteral(
        "QFrame { border: none; border-top: 1px solid #86aebb; border-bottom: 1px solid #e6f5f9; }"));
    return line;
}

} // namespace skin
