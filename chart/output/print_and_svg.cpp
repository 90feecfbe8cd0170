// The module that prints charts and makes SVG pictures of them, with Qt's print support and
// SVG libraries, loaded by the program only when it is first wanted.

#include <QBuffer>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

#include "chart/output_module.h"

namespace {

bool print(const QString& document, const std::function<bool(QPrinter&)>& choose,
           const std::function<void(QPagedPaintDevice&)>& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document);
    if (!choose(printer)) return false;
    draw(printer);
    return true;
}

QByteArray svg(QSize size, const QString& title, const std::function<void(QPainter&)>& draw) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    generator.setResolution(96);  // the size of the chart on a desktop of 96 dots per inch
    {
        QPainter painter(&generator);
        draw(painter);
    }
    return buffer.data();
}

bool printDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

constexpr chart::OutputModule kModule{chart::kOutputModuleVersion, print, svg, printDialog};

}  // namespace

extern "C" Q_DECL_EXPORT const chart::OutputModule* hemodynamicsOutputModule() { return &kModule; }
