#pragma once
// The chart's own texts (its menu, the values window, the saved files' headings, the readout)
// are declared in Russian, marked with QT_TRANSLATE_NOOP("Chart", …), and translated where they
// are shown, in the program's language.

#include <QCoreApplication>
#include <QString>

namespace chart {

inline QString chartText(const char* text) { return QCoreApplication::translate("Chart", text); }

}  // namespace chart
