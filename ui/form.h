#pragma once
// The base of every window of the program: its frame from a FormSpec, the two navigation
// operations Show and Close, and named event handlers that never let an error escape.

#include <QWidget>

class QScreen;
#include <functional>
#include <map>

#include "ui/form_spec.h"

namespace ui {

class Desktop;

class Form : public QWidget {
    Q_OBJECT
  public:
    Form(const FormSpec& spec, Desktop& desktop);

    // Make the window visible and bring it to the front; the first time at its designed
    // position (moved onto the screen when the screen is too small for it, and, when the window
    // itself is larger than the screen's free area, made to fit with scroll bars around its
    // designed content), afterwards wherever the user left it.
    void Show();
    // Hide the window, keeping everything it holds; on the main window, end the program.
    void Close();

    const FormSpec& spec() const { return spec_; }
    Desktop& desktop() const { return desktop_; }

    // The main window's Close ends the program through this action (set by the window set).
    void setMainWindowAction(std::function<void()> endProgram);
    bool isMainWindow() const { return static_cast<bool>(endProgram_); }

    // Named handlers ("Button1Click"): run by invoke(); an exception that escapes a handler is
    // shown in the error box and the program goes on.
    void setHandler(const QString& name, std::function<void()> handler);
    bool hasHandler(const QString& name) const;
    void invoke(const QString& name);
    // Runs the handler whenever the named push button, label or picture is clicked; throws
    // TableError when the window has no such control.
    void connectClick(const QString& controlName, const QString& handlerName);

    template <class T = QWidget>
    T* control(const QString& name) const {
        return findChild<T*>(name);
    }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    const QScreen* screenForFirstShow() const;
    void fitOntoScreen();
    void placeFirstTime();
    void applyFrame();
    // The designed position, moved as far as needed for a frame of this size to fit the screen.
    QPoint firstPosition(const QSize& frame) const;
    QSize expectedFrameSize() const;

    FormSpec spec_;
    Desktop& desktop_;
    bool shownBefore_ = false;
    bool framePending_ = false;  // shown for the first time, the window's frame not known yet
    bool scrolled_ = false;      // its content in a scroll area, the window fitted to the screen
    std::function<void()> endProgram_;
    std::map<QString, std::function<void()>> handlers_;
};

}  // namespace ui
