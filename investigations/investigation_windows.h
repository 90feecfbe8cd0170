#pragma once
// Placeholder windows: frame only, until their content is built.

#include "app/ui/form.h"

class TForm9 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm9(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm16 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm16(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm20 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm20(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm22 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm22(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm24 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm24(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm26 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm26(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};

class TForm28 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm28(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
};
