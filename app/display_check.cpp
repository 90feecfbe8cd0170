#include "app/display_check.h"

#include <QString>
#include <QTranslator>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "app/language.h"

namespace app {

namespace {

struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

// A message handler is a plain function, so the state of the one live check sits here.
struct CheckState {
    std::string program;
    std::string display;
    std::string language;  // as given with --language
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};
CheckState* live = nullptr;

bool fromPlatformPlugin(const QMessageLogContext& context) {
    return context.category && std::string_view(context.category).starts_with("qt.qpa");
}

void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        const std::string display =
            live->display.empty() ? qgetenv("DISPLAY").toStdString() : live->display;
        const std::unique_ptr<QTranslator> catalogue = catalogueBeforeStart(live->language);
        const std::string line = noDisplayLine(live->program, display, catalogue.get());
        std::fputs(line.c_str(), stderr);
        std::fflush(stderr);
        std::_Exit(1);  // the half-made application object cannot be torn down safely
    }
    if (type != QtFatalMsg && fromPlatformPlugin(context)) {
        live->held.push_back({type, context.category, text});
        return;
    }
    if (live->previous) live->previous(type, context, text);
}

}  // namespace

DisplayCheck::DisplayCheck(std::string program, std::string display, std::string language) {
    if (!kDisplayServer) return;
    static CheckState state;
    state = CheckState{.program = std::move(program),
                       .display = std::move(display),
                       .language = std::move(language)};
    live = &state;
    live->previous = qInstallMessageHandler(handle);
}

DisplayCheck::~DisplayCheck() {
    if (live) passed();
}

void DisplayCheck::passed() {
    if (!live) return;
    qInstallMessageHandler(live->previous);
    for (const HeldMessage& message : live->held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        if (live->previous) live->previous(message.type, context, message.text);
    }
    live->held.clear();
    live = nullptr;
}

std::string noDisplayLine(std::string_view program, std::string_view display,
                          const QTranslator* catalogue) {
    const QString name = QString::fromUtf8(program.data(), qsizetype(program.size()));
    if (display.empty()) {
        return textIn(catalogue, "CommandLine",
                      QT_TRANSLATE_NOOP("CommandLine",
                                        "%1: нет графического дисплея: дисплей не задан "
                                        "(переменная DISPLAY пуста); запустите программу в "
                                        "графическом сеансе или так: xvfb-run -a %1\n"))
            .arg(name)
            .toStdString();
    }
    return textIn(catalogue, "CommandLine",
                  QT_TRANSLATE_NOOP("CommandLine",
                                    "%1: нет графического дисплея: дисплей «%2» не открывается; "
                                    "запустите программу в графическом сеансе или так: "
                                    "xvfb-run -a %1\n"))
        .arg(name, QString::fromUtf8(display.data(), qsizetype(display.size())))
        .toStdString();
}

}  // namespace app
