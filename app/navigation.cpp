#include "app/navigation.h"

#include "app/window_set.h"
#include "ui/form.h"
#include "ui/table_error.h"

namespace app {

const std::vector<NavRow>& navigationTable() {
    using Op = NavStep::Op;
    static const std::vector<NavRow> rows{
        {"Form1", "Button1", "Button1Click", {{Op::Show, "Form2"}}},
        {"Form1", "Label1", "Label1Click", {{Op::Show, "Form30"}}},
        {"Form2", "Button1", "Button1Click", {{Op::Show, "Form3"}}},
        {"Form2", "Button2", "Button2Click", {{Op::Show, "Form4"}}},
        {"Form2", "Button3", "Button3Click", {{Op::Show, "Form15"}}},
        // Page 1 shows its successor before hiding itself; the others hide themselves first.
        {"Form4", "Button2", "Button2Click", {{Op::Show, "Form5"}, {Op::Close, "Form4"}}},
        {"Form5", "Button1", "Button1Click", {{Op::Close, "Form5"}, {Op::Show, "Form4"}}},
        {"Form5", "Button2", "Button2Click", {{Op::Close, "Form5"}, {Op::Show, "Form6"}}},
        {"Form6", "Button1", "Button1Click", {{Op::Close, "Form6"}, {Op::Show, "Form5"}}},
        {"Form6", "Button2", "Button2Click", {{Op::Close, "Form6"}, {Op::Show, "Form7"}}},
        {"Form7", "Button1", "Button1Click", {{Op::Close, "Form7"}, {Op::Show, "Form6"}}},
        {"Form7", "Button2", "Button2Click", {{Op::Close, "Form7"}, {Op::Show, "Form8"}}},
        {"Form8", "Button1", "Button1Click", {{Op::Close, "Form8"}, {Op::Show, "Form7"}}},
        {"Form8", "Button2", "Button2Click", {{Op::Close, "Form8"}, {Op::Show, "Form14"}}},
        {"Form14", "Button1", "Button1Click", {{Op::Close, "Form14"}, {Op::Show, "Form15"}}},
        {"Form15", "Button6", "Button6Click", {{Op::Show, "Form26"}}},
        {"Form15", "Button5", "Button5Click", {{Op::Show, "Form28"}}},
        {"Form15", "Button3", "Button3Click", {{Op::Show, "Form20"}}},
        {"Form15", "Button1", "Button1Click", {{Op::Show, "Form9"}}},
        {"Form15", "Button7", "Button7Click", {{Op::Show, "Form24"}}},
        {"Form15", "Button4", "Button4Click", {{Op::Show, "Form22"}}},
        {"Form15", "Button2", "Button2Click", {{Op::Show, "Form16"}}},
    };
    return rows;
}

namespace {

ui::Form& windowNamed(const WindowSet& windows, const char* name) {
    ui::Form* const window = windows.window(name);
    if (!window)
        throw ui::TableError(QStringLiteral("navigation"), QStringLiteral("window ") + name);
    return *window;
}

}  // namespace

void wireNavigation(const WindowSet& windows, const std::vector<NavRow>& table) {
    for (const NavRow& row : table) {
        ui::Form& from = windowNamed(windows, row.from);
        if (!from.control(QString::fromLatin1(row.control))) {
            throw ui::TableError(QStringLiteral("navigation"),
                                 QStringLiteral("control %1.%2").arg(row.from, row.control));
        }
        for (const NavStep& step : row.steps) windowNamed(windows, step.window);
    }
    for (const NavRow& row : table) {
        ui::Form* const from = &windowNamed(windows, row.from);
        std::vector<std::pair<NavStep::Op, ui::Form*>> steps;
        for (const NavStep& step : row.steps)
            steps.emplace_back(step.op, &windowNamed(windows, step.window));
        from->setHandler(QString::fromLatin1(row.handler), [steps] {
            for (const auto& [op, window] : steps) {
                if (op == NavStep::Op::Show) {
                    window->Show();
                } else {
                    window->Close();
                }
            }
        });
        from->connectClick(QString::fromLatin1(row.control), QString::fromLatin1(row.handler));
    }
}

}  // namespace app
