#pragma once
#include <QRect>

class QPainter;

// The main window's background: the dark title strip, the lighter strip
// that carries the navigation buttons and the white content frame with a
// faint drawing of a house, painted for a window of the given size.
namespace mainskin {

constexpr int titleHeight = 38;
// The white frame the pages sit in.
constexpr QRect contentFrame{14, 97, 987, 494};

void paintBackdrop(QPainter &painter, const QRect &window);

} // namespace mainskin
