#include "ui/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>

namespace ui {

QString errorBoxText(const QString& message) {
    if (message.isEmpty() || message.back().unicode() <= u'.') return message;
    return message + QLatin1Char('.');
}

QString boxDisplayText(const QString& text) {
    // Any text a student could type is shown whole; a pasted megabyte must still give a box
    // that fits on the screen and can be closed.
    constexpr qsizetype kKeep = 500;
    if (text.size() <= 2 * kKeep + 1) return text;
    return text.left(kKeep) + QChar(0x2026) + text.right(kKeep);
}

QString wrappableText(const QString& text) {
    constexpr int kRun = 40;
    QString result;
    result.reserve(text.size() + text.size() / kRun);
    int run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        result += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run >= kRun && !c.isHighSurrogate()) {
            result += QChar(0x200B);
            run = 0;
        }
    }
    return result;
}

QString applicationTitle(const QString& programPath) {
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle() { return applicationTitle(QCoreApplication::applicationFilePath()); }

namespace {

// A box modal to the whole program: while it is open no other window can be reached.
void showBox(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, applicationTitle(), wrappableText(boxDisplayText(text)), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);  // a field's text is quoted as typed, never as markup
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

void QtDesktop::showMessage(const QString& text) { showBox(QMessageBox::NoIcon, text); }

void QtDesktop::showError(const QString& message) {
    showBox(QMessageBox::Critical, errorBoxText(message));
}

void QtDesktop::openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

}  // namespace ui
