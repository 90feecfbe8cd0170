#pragma once
// Where a window goes on its first show when its designed place does not fit the screen.

#include <QPoint>
#include <QRect>

namespace ui {

// The top-left corner for a window frame designed at designedFrame: the designed corner, moved
// only as far as needed for the whole frame to lie inside the available area. A frame wider or
// taller than the area keeps its left edge or its title bar on the screen.
QPoint placeOnScreen(const QRect& designedFrame, const QRect& available);

}  // namespace ui
