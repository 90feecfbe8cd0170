#pragma once
// Placeholder windows: frame only, until their content is built.

#include "app/ui/form.h"

class TForm30 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm30(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};
