#pragma once
// The command line: the program's own options --help and --version, and the options of Qt,
// which are left in place for the application object. It is read before anything touches the
// window system, so that the answers work without a display.

#include <string>
#include <string_view>

class QTranslator;

namespace app {

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // For Error: what is wrong, the Russian text with %1 where the argument goes (errorLine()
    // translates it), and that argument.
    const char* errorText = nullptr;
    std::string errorArgument;
    bool styleChosen = false;  // Qt's -style was given, so the program keeps that style
    std::string display;       // the X display named by Qt's -display, if any
    std::string language;      // the code given with --language ("ru" or "en"), if any

    // For Error: what is wrong, in one line, in Russian; empty otherwise.
    std::string error() const;
};

// The arguments after the program's own path argv[0]. The first of the program's options or the
// first fault decides; Qt's options and their values are only stepped over.
CommandLine readCommandLine(int argc, const char* const* argv);

// The program's name as the user typed it, without its folder, for messages.
std::string programName(const char* path);

// The answers, in the catalogue's language (English), or in Russian without one.
std::string helpText(std::string_view program, const QTranslator* catalogue = nullptr);
std::string versionText(const QTranslator* catalogue = nullptr);
std::string errorLine(std::string_view program, const CommandLine& commandLine,
                      const QTranslator* catalogue = nullptr);

// Tells the answer to --help or --version, or the error line (app/console.h), and gives the
// exit status: 0, or 2 for an error.
int answer(const CommandLine& commandLine, std::string_view program);

}  // namespace app
