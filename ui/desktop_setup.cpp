#include "ui/desktop_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPalette>
#include <QStyle>
#include <QTranslator>
#include <memory>

namespace ui {

namespace {

// Every colour of every group set explicitly, so that resolving it against the theme's palette
// takes nothing from the theme.
QPalette wholly(QPalette palette) {
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole) continue;
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

// Puts the designed palette back after any change of the application palette.
class PaletteKeeper : public QObject {
  public:
    static constexpr const char* kName = "designedPaletteKeeper";

    explicit PaletteKeeper(QApplication& application) : QObject(&application) {
        setObjectName(QLatin1String(kName));
        application.installEventFilter(this);
    }
    void keep(const QPalette& palette) { palette_ = palette; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp &&
            QApplication::palette() != palette_) {
            QApplication::setPalette(palette_);  // the change this sends finds it equal
        }
        return false;
    }

  private:
    QPalette palette_;
};

}  // namespace

void useDesignedPalette() {
    auto* const application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application) return;
    const QPalette palette = wholly(QApplication::style()->standardPalette());
    // One keeper per application, owned by it.
    auto* keeper = static_cast<PaletteKeeper*>(application->findChild<QObject*>(
        QLatin1String(PaletteKeeper::kName), Qt::FindDirectChildrenOnly));
    if (!keeper) keeper = new PaletteKeeper(*application);
    keeper->keep(palette);
    QApplication::setPalette(palette);
}

QLocale userLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    return languages.isEmpty() ? QLocale::system() : QLocale(languages.front());
}

bool installQtTranslation(const QLocale& language) {
    if (language.language() != QLocale::Russian) return false;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    translator.release();  // owned by the application
    return true;
}

}  // namespace ui
