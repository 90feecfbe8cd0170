#pragma once
// The multimedia links window: three videos and the home page of the Khan Academy, each opened
// in the default browser by a click on its link label (or, for the home page, on the logo).

#include <QUrl>

#include "ui/form.h"

namespace ui {
class Label;
}

class TForm3 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm3(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();

    struct Link {
        const char* control;  // the label or picture that opens the address
        const char* url;
    };
    // Every address of the window, in one table.
    static const std::vector<Link>& links();
    static QUrl linkOf(const char* control);

  protected:
    // A link left underlined when the window hides (closed while the pointer was on it) has no
    // pointer on it when the window is shown again.
    void hideEvent(QHideEvent* event) override;

  private:
    void underline(ui::Label* label, bool on);
};
