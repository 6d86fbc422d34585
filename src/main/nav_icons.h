#pragma once
#include <QColor>
#include <QRectF>

class QPainter;

// The glyphs of the navigation buttons, drawn as line art in one colour
// so the normal and the selected look differ only in colour.
namespace nav {

// Glyph of page 0..4: printer, house, person, person with a magnifier,
// pencil on a sheet. `accent` fills the small highlights.
void paintIcon(QPainter &painter, int page, const QRectF &box, const QColor &ink, const QColor &accent);

} // namespace nav
