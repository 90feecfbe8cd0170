#pragma once
// Printing and SVG pictures need Qt's print support and SVG libraries, which nothing else in the
// program uses: loaded with the program they cost 0.46 MB of memory from start-up on. They are
// in a module of their own (chart/output/), loaded the first time a chart is printed or saved
// as SVG.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace chart {

// What the module gives; the same compiler and Qt build both sides.
struct OutputModule {
    int version;  // kOutputModuleVersion of the build that made the module
    // A high-resolution printer for the document named `document`: `choose` shows the print
    // dialog for it; unless that is cancelled (false), `draw` prints on it.
    bool (*print)(const QString& document, const std::function<bool(QPrinter&)>& choose,
                  const std::function<void(QPagedPaintDevice&)>& draw);
    // An SVG document of `size` at 96 dots per inch with `title`, holding what `draw` paints.
    QByteArray (*svg)(QSize size, const QString& title, const std::function<void(QPainter&)>& draw);
    // The print dialog for `printer` over `parent`; false when it is cancelled.
    bool (*printDialog)(QPrinter& printer, QWidget* parent);
};

// Raised whenever OutputModule changes, so that a module of another build is refused.
inline constexpr int kOutputModuleVersion = 1;

// The module's file and the function that returns its OutputModule.
inline constexpr const char* kOutputModuleFile = "hemodynamics-output.so";
inline constexpr const char* kOutputModuleEntry = "hemodynamicsOutputModule";

// The module, loaded on first use from the first of outputModuleFolders() that has it; null,
// with `error` saying why (in the program's language), when it cannot be loaded. A failed
// load is tried again next time.
const OutputModule* outputModule(QString* error);

// Where the module is looked for: beside the program (a build), then where the package
// installs it relative to the program. Tests name the build's folder here.
QStringList& outputModuleFolders();

}  // namespace chart
