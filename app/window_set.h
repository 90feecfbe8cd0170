#pragma once
// The program's eighteen long-lived windows, created once at start-up in a fixed order, and
// their program-wide references.

#include <functional>
#include <memory>
#include <vector>

namespace ui {
class Desktop;
class Form;
}  // namespace ui

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm14;
class TForm15;
class TForm16;
class TForm20;
class TForm22;
class TForm24;
class TForm26;
class TForm28;
class TForm30;

// One reference per window, valid while the WindowSet that created the windows lives.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;
extern TForm7* Form7;
extern TForm8* Form8;
extern TForm9* Form9;
extern TForm14* Form14;
extern TForm15* Form15;
extern TForm16* Form16;
extern TForm20* Form20;
extern TForm22* Form22;
extern TForm24* Form24;
extern TForm26* Form26;
extern TForm28* Form28;
extern TForm30* Form30;

namespace app {

// Owns the windows. Creating it creates all eighteen, hidden, in creation order, makes Form1
// the main window and wires the navigation; destroying it destroys them all.
class WindowSet {
  public:
    // Called with Form1 as soon as it exists, before the other seventeen are created.
    using MainWindowCreated = std::function<void(ui::Form& mainWindow)>;

    explicit WindowSet(ui::Desktop& desktop, const MainWindowCreated& mainWindowCreated = {});
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // In creation order; the first is the main window.
    const std::vector<ui::Form*>& windows() const { return order_; }
    ui::Form* window(const char* name) const;
    ui::Form* mainWindow() const { return order_.front(); }

  private:
    std::vector<std::unique_ptr<ui::Form>> owned_;
    std::vector<ui::Form*> order_;
};

}  // namespace app
