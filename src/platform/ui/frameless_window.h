#pragma once
#include <QRect>
#include <QRegion>
#include <QSize>

class QWidget;

// The pixels of `area` with each corner cut by a quarter of an ellipse of
// the given size.
QRegion roundedOutline(const QRect &area, int ellipseWidth, int ellipseHeight);

// Gives a frameless top-level window its rounded shape: the rectangle from
// (0, 0) to (width + 1, height + 1), right and bottom edge excluded, with
// corner ellipses of the given size. Call it again after a resize.
void applyRoundedOutline(QWidget *window, int ellipseSize);

// Makes a top-level widget a borderless window of a fixed client size with
// that rounded shape; its skin, dragging and close area are the caller's
// (skin.h, DragStrip, CloseArea).
void makeFrameless(QWidget *window, const QSize &clientSize, int ellipseSize);
