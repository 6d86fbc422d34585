#pragma once
#include <QPixmap>
#include <QPoint>
#include <QSize>

// The picture buttons of the main window's navigation strip: one per page,
// laid side by side from the strip's left end.
namespace nav {

constexpr int pageCount = 5;
constexpr QSize pictureSize{150, 56};
// Where the first picture goes; the next ones follow one width apart.
constexpr QPoint firstPicture{30, 42};

// The button slot under a press at this x (0..4), or -1 between and beside
// the slots. Each slot leaves its two edge columns unclickable.
int slotAt(int x);

// The 150 x 56 picture of page 0..4, in its normal or selected look,
// freshly painted: the window keeps the ten it shows.
QPixmap picture(int page, bool selected);

} // namespace nav
