#include "ui/window_text.h"

#include <QCoreApplication>

namespace ui {

QString windowText(const char* window, const char* text) {
    for (const char* context : {window, "Investigation"}) {
        const QString translated = QCoreApplication::translate(context, text);
        if (translated != QString::fromUtf8(text)) return translated;
    }
    return QString::fromUtf8(text);
}

}  // namespace ui
