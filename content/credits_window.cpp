#include "content/credits_window.h"

#include <QByteArray>
#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>

#include "content/credits.h"
#include "content/window_content.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/window_text.h"

namespace {

const ui::FontSpec kStatementFont{"Times New Roman", 21};

// The statement in the program's language with each line centred under the longest one by
// leading spaces, so that a school's own department name stays centred too.
QByteArray centredStatement() {
    const QFont font = ui::makeFont(kStatementFont);
    const QFontMetricsF metrics(font);
    double widest = 0;
    for (const char* line : content::credits::kStatement)
        widest = std::max(widest, metrics.horizontalAdvance(ui::windowText("Form30", line)));
    QStringList lines;
    for (const char* line : content::credits::kStatement) {
        const QString text = ui::windowText("Form30", line);
        const int margin = static_cast<int>((widest - metrics.horizontalAdvance(text)) / 2);
        lines << content::spacesFor(font, margin) + text;
    }
    return lines.join(QLatin1Char('\n')).toUtf8();
}

}  // namespace

const ui::FormSpec& TForm30::formSpec() {
    static const ui::FormSpec spec{.name = "Form30",
                                   .caption = QT_TRANSLATE_NOOP("Form30", "Авторы"),
                                   .position = {341, 117},
                                   .size = {717, 469},
                                   .sizeIs = ui::SizeIs::ClientArea,
                                   .resizable = false,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

const ui::ControlTable& TForm30::controlTable() {
    using ui::ControlKind, ui::FontSpec;
    static const QByteArray statement = centredStatement();
    static const FontSpec role{"Times New Roman", 23};
    static const ui::ControlTable table{
        {ControlKind::Label, "Label2", {80, 72, 0, 0}, statement.constData(), kStatementFont},
        {ControlKind::Label,
         "Label3",
         {32, 216, 0, 0},
         QT_TRANSLATE_NOOP("Form30", "заведующий кафедрой профессор:"),
         role},
        {ControlKind::Label,
         "Label5",
         {440, 216, 0, 0},
         content::credits::kHeadOfDepartment,
         FontSpec{"Times New Roman", 24, true}},
        {ControlKind::Label,
         "Label6",
         {32, 256, 0, 0},
         QT_TRANSLATE_NOOP("Form30", "ассистент кафедры:"),
         role},
        {ControlKind::Label,
         "Label7",
         {440, 256, 0, 0},
         content::credits::kAssistant,
         FontSpec{"Times New Roman", 24, true}},
        {ControlKind::Label,
         "Label8",
         {32, 296, 0, 0},
         QT_TRANSLATE_NOOP("Form30", "программист:"),
         role},
        {ControlKind::Label,
         "Label9",
         {440, 296, 0, 0},
         content::credits::kProgrammer,
         FontSpec{"Times New Roman", 23, true}},
    };
    return table;
}

TForm30::TForm30(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
}
