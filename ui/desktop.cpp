#include "ui/desktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpacerItem>
#include <QStandardPaths>

#include "ui/browser_launcher.h"

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

QString overwriteQuestion(const QString& path) {
    return QCoreApplication::translate("Desktop", "Файл %1 уже есть.\nЗаменить его?")
        .arg(QDir::toNativeSeparators(path));
}

QString unopenedPageMessage(const QUrl& url) {
    return QCoreApplication::translate(
               "Desktop",
               "Не удалось открыть страницу\n%1\nСкопируйте адрес и откройте его в браузере")
        .arg(url.toString());
}

namespace {

// The title bar shows the caption next to the box's icon and close button, in a font that is
// usually bold; a box narrower than that has its caption cut short by the window manager.
int captionWidth(const QString& caption) {
    constexpr int kTitleBarButtons = 96;
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + kTitleBarButtons;
}

// A box modal to the whole program: while it is open no other window can be reached. Selectable
// text can be marked and copied with the mouse or the keyboard.
QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString& text,
                                    bool selectable = false,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::StandardButton preferred = QMessageBox::Ok) {
    QMessageBox box(icon, applicationTitle(), text, buttons);
    box.setDefaultButton(preferred);
    box.setTextFormat(Qt::PlainText);  // a field's text is quoted as typed, never as markup
    if (selectable) {
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // Reached with Tab as well, so that the keyboard can select and copy it too.
        for (QLabel* const label : box.findChildren<QLabel*>()) {
            if (label->text() == text) label->setFocusPolicy(Qt::StrongFocus);
        }
    }
    box.setWindowModality(Qt::ApplicationModal);
    // The box sizes itself to its layout's minimum width: a spacer as wide as the caption
    // keeps the box at least that wide.
    if (auto* const grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(captionWidth(box.windowTitle()), 0, QSizePolicy::Fixed,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
    return box.standardButton(box.clickedButton());
}

}  // namespace

QtDesktop::QtDesktop(UrlOpener opener) : opener_(std::move(opener)) {
    if (!opener_) {
        browser_ = std::make_unique<BrowserLauncher>();
        opener_ = [browser = browser_.get()](const QUrl& url, const std::function<void()>& failed) {
            browser->open(url, failed);
        };
    }
}

QtDesktop::~QtDesktop() = default;

void QtDesktop::showMessage(const QString& text) {
    showBox(QMessageBox::NoIcon, wrappableText(boxDisplayText(text)));
}

void QtDesktop::showError(const QString& message) {
    showBox(QMessageBox::Critical, wrappableText(boxDisplayText(errorBoxText(message))));
}

void QtDesktop::openUrl(const QUrl& url) {
    // The address is shown as it is, without break points, so that a copy of it opens the page.
    opener_(url, [url] {
        showBox(QMessageBox::Critical, errorBoxText(unopenedPageMessage(url)), true);
    });
}

QString SaveFolders::start() const {
    if (!last_.isEmpty() && QFileInfo(last_).isDir()) return last_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void SaveFolders::saved(const QString& path) { last_ = QFileInfo(path).absolutePath(); }

QString QtDesktop::saveFileName(const QString& caption, const QString& suggestedName,
                                const QStringList& filters, QString* selectedFilter) {
    const QString path = QFileDialog::getSaveFileName(
        QApplication::activeWindow(), caption, QDir(folders_.start()).filePath(suggestedName),
        filters.join(QStringLiteral(";;")), selectedFilter, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) folders_.saved(path);
    return path;
}

bool QtDesktop::confirmOverwrite(const QString& path) {
    // No unless asked for: Enter keeps the file.
    return showBox(QMessageBox::Question, overwriteQuestion(path), false,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

bool QtDesktop::choosePrinter(QPrinter& printer) {
    // Qt's own print dialog offers to print into a file named after the document in the current
    // folder: made while the save dialogs' folder is the current one, it offers that folder.
    const QString current = QDir::currentPath();
    QDir::setCurrent(folders_.start());
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    QDir::setCurrent(current);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace ui
