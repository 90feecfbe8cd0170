#include "app/ui/desktop.h"

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
    // A pasted megabyte must still give a box that fits on the screen and can be closed.
    constexpr qsizetype kKeep = 80;
    if (text.size() <= 2 * kKeep + 1) return text;
    return text.left(kKeep) + QChar(0x2026) + text.right(kKeep);
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
    QMessageBox box(icon, applicationTitle(), boxDisplayText(text), QMessageBox::Ok);
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
