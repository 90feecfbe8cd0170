#pragma once
// The title window and main window: the name and aims of the lab work beside a picture of the
// circulatory system, the start button and the link to the credits.

#include "ui/form.h"

class TForm1 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm1(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};
