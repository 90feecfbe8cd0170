#pragma once
// Everything that leaves the program's own windows: the modal message and error boxes, the
// save and print dialogs, and handing a web address to the desktop. Windows reach them only
// through this interface, so tests put a recording double in place of the real desktop.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QPrinter;

namespace ui {

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Plain message box: the text, no icon, one OK button, the application title as caption.
    virtual void showMessage(const QString& text) = 0;
    // Error box for an error that ended an event handler: the message with the full stop of
    // errorBoxText(), a stop icon, one OK button, the application title as caption.
    virtual void showError(const QString& message) = 0;
    // Asks the desktop to open the address in the default browser and returns at once; when
    // the desktop cannot open it, the error box says so and shows the address.
    virtual void openUrl(const QUrl& url) = 0;
    // The save dialog: the path chosen, or an empty string when the user cancels. It offers
    // `suggestedName`; `filters` are its file types, `selectedFilter` holds the one offered
    // first and receives the one chosen. It does not ask about replacing a file.
    virtual QString saveFileName(const QString& caption, const QString& suggestedName,
                                 const QStringList& filters, QString* selectedFilter) = 0;
    // The question whether an existing file may be replaced: true for yes.
    virtual bool confirmOverwrite(const QString& path) = 0;
    // The print dialog for this printer; false when the user cancels. Printing into a file, it
    // offers the folder the save dialogs start in.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

// Where save dialogs start: the user's Documents folder, then the folder last saved to.
class SaveFolders {
  public:
    QString start() const;
    void saved(const QString& path);

  private:
    QString last_;
};

class BrowserLauncher;

// Hands an address to a browser without waiting; calls failed(), at once or later, when the
// desktop cannot open it.
using UrlOpener = std::function<void(const QUrl& url, const std::function<void()>& failed)>;

// The real desktop: QMessageBox, and the desktop's browser (or the given opener).
class QtDesktop final : public Desktop {
  public:
    explicit QtDesktop(UrlOpener opener = {});
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    void showMessage(const QString& text) override;
    void showError(const QString& message) override;
    void openUrl(const QUrl& url) override;
    QString saveFileName(const QString& caption, const QString& suggestedName,
                         const QStringList& filters, QString* selectedFilter) override;
    bool confirmOverwrite(const QString& path) override;
    bool choosePrinter(QPrinter& printer) override;

  private:
    std::unique_ptr<BrowserLauncher> browser_;
    UrlOpener opener_;
    SaveFolders folders_;
};

// The question of the box that asks whether a file may be replaced.
QString overwriteQuestion(const QString& path);

// What the error box says when a page could not be opened: the address on a line of its own, so
// that it can be selected and copied whole.
QString unopenedPageMessage(const QUrl& url);

// The error's message with a full stop appended, unless it is empty or already ends in a full
// stop or a character of a smaller code (control characters, space, ASCII ! to -).
QString errorBoxText(const QString& message);

// What a box shows of a text: the whole text, unless it is so long that the box would no
// longer fit on the screen; then its start and its end with an ellipsis between them.
QString boxDisplayText(const QString& text);

// The text with a zero-width space, which shows nothing, after every 40 characters of a run
// without spaces, so that the box can wrap a long pasted run instead of cutting it off.
QString wrappableText(const QString& text);

// The program sets no title of its own: the caption of its boxes is the program file's name
// without folder, cut at its first full stop, first character kept and the rest lower case.
QString applicationTitle(const QString& programPath);
QString applicationTitle();  // of the running program

}  // namespace ui
