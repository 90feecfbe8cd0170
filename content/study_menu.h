#pragma once
// The study menu: multimedia links, the theory, or the model straight away.

#include "ui/form.h"

class TForm2 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm2(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};
