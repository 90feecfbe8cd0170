#pragma once
// The command line as the program gets it in main(), from a list of arguments.

#include <QByteArray>
#include <QStringList>
#include <vector>

#include "app/command_line.h"

namespace testing_support {

inline app::CommandLine readArguments(const QStringList& arguments,
                                      const char* program = "/usr/bin/hemodynamics") {
    std::vector<QByteArray> bytes{program};
    for (const QString& argument : arguments) bytes.push_back(argument.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& b : bytes) argv.push_back(b.constData());
    return app::readCommandLine(static_cast<int>(argv.size()), argv.data());
}

}  // namespace testing_support
