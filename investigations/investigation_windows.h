#pragma once
// The seven investigation windows: one frame, configured by each window's table.
//   Form9  diastole, resistance X        Form24 diastole, elasticity C
//   Form20 systole, peak inflow Qmax     Form26 systole, resistance X
//   Form28 systole, elasticity C
//   Form16 cardiac cycle, elasticity C   Form22 cardiac cycle, resistance X

#include "investigations/investigation_frame.h"

class TForm9 : public investigations::InvestigationFrame {
    Q_OBJECT
  public:
    explicit TForm9(ui::Desktop& desktop);
    static const investigations::InvestigationSpec& table();
    static const ui::FormSpec& formSpec() { return table().form; }
};

class TForm24 : public investigations::InvestigationFrame {
    Q_OBJECT
  public:
    explicit TForm24(ui::Desktop& desktop);
    static const investigations::InvestigationSpec& table();
    static const ui::FormSpec& formSpec() { return table().form; }
};

class TForm20 : public investigations::InvestigationFrame {
    Q_OBJECT
  public:
    explicit TForm20(ui::Desktop& desktop);
    static const investigations::InvestigationSpec& table();
    static const ui::FormSpec& formSpec() { return table().form; }
};

class TForm26 : public investigations::InvestigationFrame {
    Q_OBJECT
  public:
    explicit TForm26(ui::Desktop& desktop);
    static const investigations::InvestigationSpec& table();
    static const ui::FormSpec& formSpec() { return table().form; }
};

class TForm28 : public investigations::InvestigationFrame {
    Q_OBJECT
  public:
    explicit TForm28(ui::Desktop& desktop);
    static const investigations::InvestigationSpec& table();
    static const ui::FormSpec& formSpec() { return table().form; }
};

class TForm16 : public investigations::InvestigationFrame {
    Q_OBJECT
  public:
    explicit TForm16(ui::Desktop& desktop);
    static const investigations::InvestigationSpec& table();
    static const ui::FormSpec& formSpec() { return table().form; }
};

class TForm22 : public investigations::InvestigationFrame {
    Q_OBJECT
  public:
    explicit TForm22(ui::Desktop& desktop);
    static const investigations::InvestigationSpec& table();
    static const ui::FormSpec& formSpec() { return table().form; }
};
