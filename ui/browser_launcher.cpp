#include "ui/browser_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace ui {

// Free desktops open addresses through xdg-open, which tells by its exit status whether it
// found a browser; without it, through the browser the user names in $DEFAULT_BROWSER or
// $BROWSER, whose exit status tells the same. Qt's own call would start either without waiting
// to hear. Elsewhere the platform's own way (the Windows shell, Launch Services) reports a
// failure itself.
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
constexpr bool kXdgOpen = true;
#else
constexpr bool kXdgOpen = false;
#endif

namespace {

// The program that opens addresses on a free desktop: xdg-open, else the user's browser.
QString opener() {
    if (!kXdgOpen) return {};
    QString found = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    for (const char* variable : {"DEFAULT_BROWSER", "BROWSER"}) {
        const QString named = qEnvironmentVariable(variable);
        if (found.isEmpty() && !named.isEmpty()) found = QStandardPaths::findExecutable(named);
    }
    return found;
}

}  // namespace

void BrowserLauncher::open(const QUrl& url, const std::function<void()>& failed) {
    const QString opener = ui::opener();
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url)) failed();
        return;
    }
    // Its messages and the browser's go to the program's own output, as they would otherwise. A
    // browser that opens the page stays running, and only its failing is heard of.
    auto* const process = new QProcess(this);
    process->setProgram(opener);
    process->setArguments({url.toString(QUrl::FullyEncoded)});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    connect(process, &QProcess::finished, this,
            [process, failed](int exitCode, QProcess::ExitStatus status) {
                process->deleteLater();
                if (status != QProcess::NormalExit || exitCode != 0) failed();
            });
    connect(process, &QProcess::errorOccurred, this, [process, failed](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        process->deleteLater();
        failed();
    });
    process->start();
}

BrowserLauncher::~BrowserLauncher() {
    // A browser that xdg-open still waits for stays open when the program ends: only the
    // waiting opener goes, and nothing is reported any more.
    for (QProcess* const process : findChildren<QProcess*>()) {
        process->disconnect(this);
        if (process->state() == QProcess::NotRunning) continue;
        process->kill();
        process->waitForFinished(1000);
    }
}

}  // namespace ui
