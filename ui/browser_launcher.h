#pragma once
// Opening a web address in the desktop's browser without waiting for it, and noticing when the
// desktop could not open it.

#include <QObject>
#include <QUrl>
#include <functional>

namespace ui {

class BrowserLauncher : public QObject {
    Q_OBJECT
  public:
    BrowserLauncher() = default;
    ~BrowserLauncher() override;

    // Hands the address to xdg-open on a free desktop (without it, to the browser named in
    // $DEFAULT_BROWSER or $BROWSER, else to Qt's own search for one), elsewhere to the
    // platform's own way of opening it, and returns at once. failed() runs, now or later from
    // the event loop, when no browser could be started or the opener or browser ends reporting a
    // failure.
    void open(const QUrl& url, const std::function<void()>& failed);
};

}  // namespace ui
