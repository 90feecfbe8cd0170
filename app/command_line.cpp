#include "app/command_line.h"

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <algorithm>
#include <array>
#include <filesystem>
#include <span>

#include "app/about.h"
#include "app/console.h"
#include "app/display_check.h"
#include "app/language.h"

namespace app {

namespace {

// The options that Qt's application object, its widgets and its X11 plugin take from the
// command line, written with one dash; Qt accepts two dashes as well.
constexpr std::array kQtOptionsWithValue{
    std::string_view{"-platform"},
    std::string_view{"-platformpluginpath"},
    std::string_view{"-platformtheme"},
    std::string_view{"-plugin"},
    std::string_view{"-qwindowgeometry"},
    std::string_view{"-geometry"},
    std::string_view{"-qwindowtitle"},
    std::string_view{"-title"},
    std::string_view{"-qwindowicon"},
    std::string_view{"-icon"},
    std::string_view{"-session"},
    std::string_view{"-style"},
    std::string_view{"-stylesheet"},
    std::string_view{"-display"},
    std::string_view{"-name"},
    std::string_view{"-visual"},
    std::string_view{"-qmljsdebugger"},
};
constexpr std::array kQtFlags{
    std::string_view{"-reverse"},     std::string_view{"-testability"},
    std::string_view{"-widgetcount"}, std::string_view{"-nograb"},
    std::string_view{"-dograb"},      std::string_view{"-sync"},
};
// Options that Qt also takes as -option=value.
constexpr std::array kQtOptionsWithJoinedValue{
    std::string_view{"-style="},
    std::string_view{"-stylesheet="},
    std::string_view{"-qmljsdebugger="},
};

bool contains(const auto& table, std::string_view option) {
    return std::find(table.begin(), table.end(), option) != table.end();
}

std::string quoted(std::string_view argument) { return "«" + std::string(argument) + "»"; }

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv) {
    const std::span<const char* const> arguments(argv + std::min(argc, 1),
                                                 static_cast<std::size_t>(std::max(argc - 1, 0)));
    CommandLine result;
    // The answer keeps a --language given before it.
    const auto answered = [&result](CommandLine::Action action) {
        return CommandLine{.action = action, .language = result.language};
    };
    // fault: the Russian text with %1 where the argument goes.
    const auto failure = [&result](const char* fault, std::string_view argument) {
        return CommandLine{.action = CommandLine::Action::Error,
                           .errorText = fault,
                           .errorArgument = std::string(argument),
                           .language = result.language};
    };
    const char* const needsValue = QT_TRANSLATE_NOOP("CommandLine", "параметру %1 нужно значение");
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i] ? arguments[i] : "";
        if (argument == "-h" || argument == "--help") return answered(CommandLine::Action::Help);
        if (argument == "-v" || argument == "--version")
            return answered(CommandLine::Action::Version);
        if (argument == "--language" || argument.starts_with("--language=")) {
            std::string_view code;
            if (argument == "--language") {
                if (i + 1 == arguments.size()) return failure(needsValue, argument);
                code = arguments[++i] ? arguments[i] : "";
            } else {
                code = argument.substr(std::string_view("--language=").size());
            }
            if (!languageNamed(code))
                return failure(
                    QT_TRANSLATE_NOOP("CommandLine", "неизвестный язык %1, есть ru и en"), code);
            result.language = code;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-')
            return failure(QT_TRANSLATE_NOOP("CommandLine", "лишний аргумент %1"), argument);
        const std::string_view option = argument.starts_with("--") ? argument.substr(1) : argument;
        const auto joined =
            std::find_if(kQtOptionsWithJoinedValue.begin(), kQtOptionsWithJoinedValue.end(),
                         [&](std::string_view prefix) { return option.starts_with(prefix); });
        if (joined != kQtOptionsWithJoinedValue.end()) {
            result.styleChosen = result.styleChosen || *joined == "-style=";
        } else if (contains(kQtOptionsWithValue, option)) {
            if (i + 1 == arguments.size()) return failure(needsValue, argument);
            ++i;
            result.styleChosen = result.styleChosen || option == "-style";
            if (option == "-display") result.display = arguments[i] ? arguments[i] : "";
        } else if (!contains(kQtFlags, option)) {
            return failure(QT_TRANSLATE_NOOP("CommandLine", "неизвестный параметр %1"), argument);
        }
    }
    return result;
}

std::string programName(const char* path) {
    // The platform's own folder separators: a backslash is one on Windows alone.
    const std::string name = std::filesystem::path(path && *path ? path : "").filename().string();
    return name.empty() ? "hemodynamics" : name;
}

namespace {

QString programTitle(const QTranslator* catalogue) {
    return textIn(catalogue, "Form1", kProgramName);  // the title window's caption
}

QString errorIn(const CommandLine& commandLine, const QTranslator* catalogue) {
    if (!commandLine.errorText) return {};
    return textIn(catalogue, "CommandLine", commandLine.errorText)
        .arg(QString::fromStdString(app::quoted(commandLine.errorArgument)));
}

}  // namespace

std::string helpText(std::string_view program, const QTranslator* catalogue) {
    const QString name = QString::fromUtf8(program.data(), qsizetype(program.size()));
    const QString usage =
        textIn(catalogue, "CommandLine",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Использование: %1 [параметр]\n"
                   "%2: учебная программа для\n"
                   "лабораторной работы по медицинской физике, давление в аорте по модели "
                   "упругого\n"
                   "резервуара. Без параметров открывается титульное окно программы.\n"
                   "\n"
                   "Параметры:\n"
                   "  -h, --help      показать эту справку и выйти\n"
                   "  -v, --version   показать название и версию программы и выйти\n"
                   "  --language ru|en  язык текстов программы; без этого параметра — "
                   "первый из\n"
                   "                  языков рабочего стола, который есть у программы, "
                   "иначе русский\n"
                   "\n"
                   "Принимаются и параметры Qt, например -platform offscreen, -style Fusion"));
    const QString display =
        kDisplayServer
            ? textIn(catalogue, "CommandLine",
                     QT_TRANSLATE_NOOP("CommandLine",
                                       ",\n-display :1. Программе нужен графический сеанс; на "
                                       "компьютере без экрана её\nможно запустить так: "
                                       "xvfb-run -a %1\n"))
                  .arg(name)
            : QStringLiteral(".\n");
    return (usage.arg(name, programTitle(catalogue)) + display).toStdString();
}

std::string versionText(const QTranslator* catalogue) {
    return (programTitle(catalogue) + QStringLiteral(" (hemodynamics) ") +
            QString::fromLatin1(kVersion) + QLatin1Char('\n'))
        .toStdString();
}

std::string errorLine(std::string_view program, const CommandLine& commandLine,
                      const QTranslator* catalogue) {
    const QString name = QString::fromUtf8(program.data(), qsizetype(program.size()));
    return textIn(catalogue, "CommandLine",
                  QT_TRANSLATE_NOOP("CommandLine", "%1: %2; справка: %1 --help\n"))
        .arg(name, errorIn(commandLine, catalogue))
        .toStdString();
}

std::string CommandLine::error() const { return errorIn(*this, nullptr).toStdString(); }

int answer(const CommandLine& commandLine, std::string_view program) {
    // In the language the windows would have.
    const std::unique_ptr<QTranslator> english = catalogueBeforeStart(commandLine.language);
    const QTranslator* const catalogue = english.get();
    switch (commandLine.action) {
        case CommandLine::Action::Help:
            tell(helpText(program, catalogue), Stream::Output);
            return 0;
        case CommandLine::Action::Version:
            tell(versionText(catalogue), Stream::Output);
            return 0;
        case CommandLine::Action::Error:
            tell(errorLine(program, commandLine, catalogue), Stream::Error);
            return 2;
        case CommandLine::Action::Run:
            break;
    }
    return 0;
}

}  // namespace app
