#pragma once
// The key filter of an investigation field (the handler EditNKeyPress): every typed character,
// also text committed by an input method, is judged before the field sees it; a refused one is
// dropped and reported in the message box. The decimal separator accepted is the one the build
// reads. Pasted text is not typed and passes unchecked.

#include <QObject>

class QLineEdit;
class QInputMethodEvent;
class QKeyEvent;

namespace ui {
class Desktop;
}

namespace investigations {

class KeyFilter : public QObject {
    Q_OBJECT
  public:
    // Watches the field; the filter is a child of the field and named after its handler.
    KeyFilter(QLineEdit* field, ui::Desktop& desktop);

    static const char* refusedMessage();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool keyPress(QKeyEvent* event);
    bool inputMethod(QInputMethodEvent* event);
    void refuse();
    // The verdict under the user's regional settings, read afresh for every key.
    static bool accepted(char32_t ch);

    QLineEdit* field_;
    ui::Desktop& desktop_;
    bool forwarding_ = false;
};

}  // namespace investigations
