#pragma once
// The five theory pages: the elastic-reservoir model of the aorta, the derivation of its
// equation C·dP/dt + P/R = Q(t) and its solution for the diastole.

#include "ui/form.h"

class TForm4 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm4(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};

class TForm5 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm5(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};

class TForm6 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm6(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};

class TForm7 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm7(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};

class TForm8 : public ui::Form {
    Q_OBJECT
  public:
    explicit TForm8(ui::Desktop& desktop);
    static const ui::FormSpec& formSpec();
    static const ui::ControlTable& controlTable();
};
