#include "investigations/investigation_windows.h"

TForm9::TForm9(ui::Desktop& desktop) : InvestigationFrame(table(), desktop) {}
TForm24::TForm24(ui::Desktop& desktop) : InvestigationFrame(table(), desktop) {}
TForm20::TForm20(ui::Desktop& desktop) : InvestigationFrame(table(), desktop) {}
TForm26::TForm26(ui::Desktop& desktop) : InvestigationFrame(table(), desktop) {}
TForm28::TForm28(ui::Desktop& desktop) : InvestigationFrame(table(), desktop) {}
TForm16::TForm16(ui::Desktop& desktop) : InvestigationFrame(table(), desktop) {}
TForm22::TForm22(ui::Desktop& desktop) : InvestigationFrame(table(), desktop) {}
