// Saves a picture of each investigation window after a build with typical values, to look at
// them or to compare two versions pixel by pixel: window_snapshots <folder>.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>

#include "tests/investigations/window_factory.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    testing_support::installFontsAsAtStartUp();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp");
    QDir().mkpath(folder);

    // Edit1..Edit5 of each window.
    const std::vector<std::pair<QString, QStringList>> builds{
        {"Form9", {"120", "1,2", "0,5", "1", "2"}},   {"Form24", {"1", "120", "0,6", "1,2", "2,4"}},
        {"Form20", {"1,2", "1", "10", "50", "30"}},   {"Form26", {"1,2", "50", "0,5", "1", "2"}},
        {"Form28", {"50", "1", "0,6", "1,2", "2,4"}}, {"Form16", {"1", "50", "1,2", "1,5", "1"}},
        {"Form22", {"1,2", "50", "1", "1,5", "2"}},
    };
    testing_support::RecordingDesktop desktop;
    int failures = 0;
    for (const auto& [name, fields] : builds) {
        const auto window = testing_support::makeLaidOut(name, desktop);
        for (int i = 0; i < fields.size(); ++i) window->field(i + 1)->setText(fields[i]);
        window->Button1Click();
        if (!window->grab().save(folder + "/" + name + ".png")) ++failures;
    }
    return failures;
}
