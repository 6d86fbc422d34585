#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPainter;
class QPushButton;
class QWidget;

// The painted look shared by the skinned windows: a dark blue frame with a
// glossy title strip, light panels on it, and the close glyph.
namespace skin {

// A push button of the skin at a fixed place, named for tests and lookups.
QPushButton *makeButton(const QString &text, const QRect &place, QWidget *parent, const char *name);

// Text colour on the dark strip.
inline const QColor titleText{255, 255, 255};
// A transparent label of white text on the dark strip (a title, a status).
QLabel *makeStripLabel(const QString &text, const QRect &place, QWidget *parent, const char *name,
                       Qt::Alignment alignment = Qt::AlignLeft);
// The engraved line that separates parts of a light panel.
QFrame *makeSeparator(const QRect &place, QWidget *parent);

// Tahoma where it is installed, else a font that has Chinese glyphs.
QFont font(int pixelSize, bool bold = false);

// The whole window: frame gradient, the title strip of the given height
// along the top and an outline following corners of the given radius.
void paintWindowFrame(QPainter &painter, const QRect &window, int stripHeight, int cornerRadius);
// The title strip alone, for windows that paint the rest themselves.
void paintTitleStrip(QPainter &painter, const QRect &strip);
// A light panel in the given colour, slightly lit from above, with an edge
// that sets it off from the frame.
void paintPanel(QPainter &painter, const QRect &panel, const QColor &base);
// The close glyph for a close area: a soft round button with a cross,
// red while the pointer is over it.
void paintCloseGlyph(QPainter &painter, const QRect &area, bool hot);

// Buttons, edits and check boxes that sit on the light panels; password
// edits mask with "*". Set it on the window before creating its children.
QString panelStyleSheet();

} // namespace skin
