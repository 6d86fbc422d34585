#include "platform/ui/frameless_window.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

QRegion roundedOutline(const QRect &area, int ellipseWidth, int ellipseHeight)
{
    // Built row by row, so the edge is exactly the pixels inside the corner
    // ellipses and the straight sides are never nibbled by a polygon fill.
    const int left = area.left();
    const int top = area.top();
    const int width = area.width();
    const int height = area.height();
    if (width <= 0 || height <= 0)
        return {};
    const double rx = std::min(ellipseWidth, width) / 2.0;
    const double ry = std::min(ellipseHeight, height) / 2.0;

    QRegion region;
    for (int y = 0; y < height; ++y) {
        // Distance of this row's pixel centre from the nearer horizontal edge
        // of the corner zone; 0 or less means a full row.
        const double centre = y + 0.5;
        double dy = 0;
        if (centre < ry)
            dy = ry - centre;
        else if (centre > height - ry)
            dy = centre - (height - ry);
        int inset = 0;
        if (dy > 0 && ry > 0) {
            const double t = std::min(1.0, dy / ry);
            inset = int(std::ceil(rx - rx * std::sqrt(1.0 - t * t) - 0.5));
        }
        region += QRect(left + inset, top + y, width - 2 * inset, 1);
    }
    return region;
}

void applyRoundedOutline(QWidget *window, int ellipseSize)
{
    window->setMask(roundedOutline(QRect(0, 0, window->width() + 1, window->height() + 1),
                                   ellipseSize, ellipseSize));
}

void makeFrameless(QWidget *window, const QSize &clientSize, int ellipseSize)
{
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->setFixedSize(clientSize);
    applyRoundedOutline(window, ellipseSize);
}
