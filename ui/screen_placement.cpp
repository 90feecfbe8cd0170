#include "ui/screen_placement.h"

#include <algorithm>

namespace ui {

namespace {

// The start of a span of the given length inside [first, first + room): the designed start
// when it fits, otherwise shifted back; never before first.
int fit(int designed, int length, int first, int room) {
    return std::max(std::min(designed, first + room - length), first);
}

}  // namespace

QPoint placeOnScreen(const QRect& designedFrame, const QRect& available) {
    if (available.isEmpty()) return designedFrame.topLeft();
    return {fit(designedFrame.left(), designedFrame.width(), available.left(), available.width()),
            fit(designedFrame.top(), designedFrame.height(), available.top(), available.height())};
}

}  // namespace ui
