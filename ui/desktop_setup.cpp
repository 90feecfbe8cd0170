#include "ui/desktop_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPalette>
#include <QTranslator>
#include <memory>
#include <utility>

namespace ui {

namespace {

// The light look the windows are designed in: the colours of the Fusion style on a light desktop.
// Every colour of every group is set, so that resolving it against the theme's palette takes
// nothing from the theme. (The style's own standard palette turns dark with a dark theme.)
QPalette designedPalette() {
    using P = QPalette;
    const QColor face(239, 239, 239), black(Qt::black), white(Qt::white), grey(190, 190, 190);
    P palette;
    const std::pair<P::ColorRole, QColor> everyGroup[] = {
        {P::WindowText, black},
        {P::Button, face},
        {P::Light, white},
        {P::Midlight, QColor(202, 202, 202)},
        {P::Dark, QColor(159, 159, 159)},
        {P::Mid, QColor(184, 184, 184)},
        {P::Text, black},
        {P::BrightText, white},
        {P::ButtonText, black},
        {P::Base, white},
        {P::Window, face},
        {P::Shadow, QColor(118, 118, 118)},
        {P::Highlight, QColor(48, 140, 198)},
        {P::HighlightedText, white},
        {P::Link, QColor(0, 0, 255)},
        {P::LinkVisited, QColor(255, 0, 255)},
        {P::AlternateBase, QColor(247, 247, 247)},
        {P::ToolTipBase, QColor(255, 255, 220)},
        {P::ToolTipText, black},
        {P::PlaceholderText, QColor(0, 0, 0, 128)},
    };
    for (const auto& [role, colour] : everyGroup) palette.setColor(role, colour);
    const std::pair<P::ColorRole, QColor> disabled[] = {
        {P::WindowText, grey},
        {P::Text, grey},
        {P::ButtonText, grey},
        {P::Dark, grey},
        {P::Base, face},
        {P::Shadow, QColor(177, 177, 177)},
        {P::Highlight, QColor(145, 145, 145)},
    };
    for (const auto& [role, colour] : disabled) palette.setColor(P::Disabled, role, colour);
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
    const QPalette palette = designedPalette();
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
