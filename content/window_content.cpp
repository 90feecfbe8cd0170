#include "content/window_content.h"

#include <QFontMetricsF>
#include <QtDebug>
#include <cmath>

#include "assets/jpeg_decoder.h"
#include "ui/controls.h"
#include "ui/table_error.h"

namespace content {

void showPicture(ui::Form& window, const char* boxName, assets::Picture picture) {
    auto* const box = window.control<ui::PictureBox>(QString::fromLatin1(boxName));
    if (!box) throw ui::TableError(window.objectName(), QStringLiteral("picture box ") + boxName);
    const QString name = window.objectName() + QLatin1Char('.') + QLatin1String(boxName);
    box->setImageSource([picture, name] {
        try {
            return assets::loadPicture(picture);
        } catch (const assets::JpegError& error) {
            qWarning("%s: %s", qPrintable(name), error.what());
            return QImage();
        }
    });
}

QString spacesFor(const QFont& font, int pixels) {
    const double space = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    const int count = space > 0 ? static_cast<int>(std::lround(pixels / space)) : 0;
    return QString(std::max(count, 0), QLatin1Char(' '));
}

}  // namespace content
