#include "content/window_content.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QtDebug>
#include <cmath>

#include "assets/picture_error.h"
#include "ui/controls.h"
#include "ui/table_error.h"

namespace content {

void showPicture(ui::Form& window, const char* boxName, assets::Picture picture) {
    auto* const box = window.control<ui::PictureBox>(QString::fromLatin1(boxName));
    if (!box) throw ui::TableError(window.objectName(), QStringLiteral("picture box ") + boxName);
    box->setAccessibleName(pictureDescription(picture));
    const QString name = window.objectName() + QLatin1Char('.') + QLatin1String(boxName);
    box->setImageSource([picture, name] {
        try {
            return assets::loadPicture(picture);
        } catch (const assets::PictureError& error) {
            qWarning("%s: %s", qPrintable(name), error.what());
            return QImage();
        }
    });
}

QString pictureDescription(assets::Picture picture) {
    using assets::Picture;
    switch (picture) {
        case Picture::CirculatorySystem:
            return QCoreApplication::translate(
                "Pictures",
                "Кровеносная система человека: артерии показаны красным, вены "
                "синим");
        case Picture::Figure1:
            return QCoreApplication::translate(
                "Pictures",
                "Рис. 1. Гидродинамическая модель упругого резервуара сосудистого русла в фазах "
                "систолы и диастолы: а — первая фаза, аортальный клапан открыт; б — вторая "
                "фаза, аортальный клапан закрыт");
        case Picture::Figure2:
            return QCoreApplication::translate(
                "Pictures",
                "Рис. 2. Изменение давления P и скорости сердечного выброса Q в течение "
                "сердечного цикла (Pа — давление в аорте; Pж — давление в желудочке)");
        case Picture::Figure3:
            return QCoreApplication::translate(
                "Pictures",
                "Рис. 3. Изменение давления крови в аорте и крупных сосудах "
                "после закрытия аортального клапана");
        case Picture::Equation2:
            return QCoreApplication::translate("Pictures", "Формула (2): dV/dt = C·dP/dt");
        case Picture::Equation3:
            return QCoreApplication::translate("Pictures", "Формула (3): Q(t) = dV/dt + Q0(t)");
        case Picture::Equation4:
            return QCoreApplication::translate("Pictures", "Формула (4): Q0(t) = (P(t) − Pв)/R");
        case Picture::Equation5:
            return QCoreApplication::translate("Pictures", "Формула (5): Q0(t) = P(t)/R");
        case Picture::Equation6:
            return QCoreApplication::translate("Pictures", "Формула (6): Q(t) = C·dP/dt + P(t)/R");
        case Picture::Equations7And8:
            return QCoreApplication::translate(
                "Pictures",
                "Формула (7): 0 = C·dP/dt + P(t)/R; −C·dP/dt = P(t)/R; "
                "формула (8): dP/P = −(1/(C·R))·dt");
        case Picture::Equations9And10:
            return QCoreApplication::translate(
                "Pictures",
                "Формула (9): интеграл от P0 до P от dP/P = −(1/(C·R)) · интеграл от 0 до t от "
                "dt; ln|P| от P0 до P = −(1/(C·R))·t от 0 до t; ln(P/P0) = −t/(C·R); "
                "формула (10): P(t) = P0·e^(−t/(C·R))");
        case Picture::KhanAcademyLogo:
            return QCoreApplication::translate("Pictures", "Логотип KhanAcademy");
    }
    return {};
}

QString spacesFor(const QFont& font, int pixels) {
    const double space = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    const int count = space > 0 ? static_cast<int>(std::lround(pixels / space)) : 0;
    return QString(std::max(count, 0), QLatin1Char(' '));
}

}  // namespace content
