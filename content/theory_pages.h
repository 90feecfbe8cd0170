#pragma once
// Placeholder windows: frame only, until their content is built.

#include "app/ui/form.h"

class TForm4 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm4(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm5 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm5(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm6 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm6(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm7 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm7(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm8 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm8(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};
