#pragma once
// The credits window: who prepared the lab work. Static text only.

#include "ui/form.h"

class TForm30 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm30(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};
