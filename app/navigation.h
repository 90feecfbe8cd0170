#pragma once
// Every navigation action of the program as one table: a click on a window's control runs the
// handler named in its row, whose steps Show or Close windows in the given order.

#include <vector>

namespace app {

class WindowSet;

struct NavStep {
    enum class Op { Show, Close };
    Op op;
    const char* window;
};

struct NavRow {
    const char* from;     // window holding the control
    const char* control;  // object name of the clicked control
    const char* handler;  // the window's handler that the click runs
    std::vector<NavStep> steps;
};

const std::vector<NavRow>& navigationTable();

// Registers each row's handler on its window and connects the control's click to it. Throws
// ui::TableError, before wiring anything, when a row names a window or control that does not
// exist.
void wireNavigation(const WindowSet& windows, const std::vector<NavRow>& table = navigationTable());

}  // namespace app
