#pragma once
// Shown after the last theory page; leads on to the model menu.

#include "ui/form.h"

class TForm14 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm14(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};
