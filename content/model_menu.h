#pragma once
// The model menu: one column per phase of the cardiac cycle, one button per parameter.

#include "ui/form.h"

class TForm15 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm15(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};
