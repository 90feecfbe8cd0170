#include "app/window_set.h"

#include <QCoreApplication>
#include <cstring>

#include "app/navigation.h"
#include "content/credits_window.h"
#include "content/links_window.h"
#include "content/model_menu.h"
#include "content/study_menu.h"
#include "content/theory_completed.h"
#include "content/theory_pages.h"
#include "content/title_window.h"
#include "investigations/investigation_windows.h"

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm14* Form14 = nullptr;
TForm15* Form15 = nullptr;
TForm16* Form16 = nullptr;
TForm20* Form20 = nullptr;
TForm22* Form22 = nullptr;
TForm24* Form24 = nullptr;
TForm26* Form26 = nullptr;
TForm28* Form28 = nullptr;
TForm30* Form30 = nullptr;

namespace app {

namespace {

template <class T>
void create(ui::Desktop& desktop, T*& reference, std::vector<std::unique_ptr<ui::Form>>& owned) {
    auto window = std::make_unique<T>(desktop);
    reference = window.get();
    owned.push_back(std::move(window));
}

}  // namespace

WindowSet::WindowSet(ui::Desktop& desktop, const MainWindowCreated& mainWindowCreated) {
    create(desktop, Form1, owned_);
    if (mainWindowCreated) mainWindowCreated(*owned_.front());
    create(desktop, Form2, owned_);
    create(desktop, Form3, owned_);
    create(desktop, Form4, owned_);
    create(desktop, Form5, owned_);
    create(desktop, Form6, owned_);
    create(desktop, Form7, owned_);
    create(desktop, Form8, owned_);
    create(desktop, Form14, owned_);
    create(desktop, Form15, owned_);
    create(desktop, Form16, owned_);
    create(desktop, Form20, owned_);
    create(desktop, Form22, owned_);
    create(desktop, Form24, owned_);
    create(desktop, Form26, owned_);
    create(desktop, Form28, owned_);
    create(desktop, Form30, owned_);
    create(desktop, Form9, owned_);
    for (const auto& window : owned_) order_.push_back(window.get());

    // Closing the main window ends the program and closes every other window without asking.
    mainWindow()->setMainWindowAction([this] {
        for (ui::Form* const window : order_) {
            if (window != mainWindow()) window->hide();
        }
        QCoreApplication::quit();
    });
    wireNavigation(*this);
}

WindowSet::~WindowSet() {
    // Destroy in reverse creation order and leave no dangling reference behind.
    while (!owned_.empty()) owned_.pop_back();
    Form1 = nullptr, Form2 = nullptr, Form3 = nullptr, Form4 = nullptr, Form5 = nullptr;
    Form6 = nullptr, Form7 = nullptr, Form8 = nullptr, Form9 = nullptr, Form14 = nullptr;
    Form15 = nullptr, Form16 = nullptr, Form20 = nullptr, Form22 = nullptr, Form24 = nullptr;
    Form26 = nullptr, Form28 = nullptr, Form30 = nullptr;
}

ui::Form* WindowSet::window(const char* name) const {
    for (ui::Form* const window : order_) {
        if (window->objectName() == QLatin1String(name)) return window;
    }
    return nullptr;
}

}  // namespace app
