#include "ui/window_text.h"

#include <QCoreApplication>

namespace ui {

QString windowText(const char* window, const char* text) {
    const QString source = QString::fromUtf8(text);
    for (const char* context : {window, "Investigation"}) {
        QString translated = QCoreApplication::translate(context, text);
        if (translated != source) return translated;
    }
    return source;
}

}  // namespace ui
