#include "investigations/key_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <string>

#include "investigations/number_reader.h"
#include "investigations/win1251.h"
#include "ui/desktop.h"

namespace investigations {

namespace {

// The characters of a text by code point (a surrogate pair is one character).
std::u32string codePoints(const QString& text) {
    std::u32string result;
    for (const uint c : text.toUcs4()) result += static_cast<char32_t>(c);
    return result;
}

// The character a key press types. Ctrl with a letter types its control code (Ctrl+C is 3),
// as on the desktop the program was designed for; Ctrl with anything else types nothing.
std::u32string typedCharacters(const QKeyEvent& event) {
    std::u32string chars = codePoints(event.text());  // not const: returned by move
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool control = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    if (!control || chars.size() != 1) return chars;
    const char32_t c = chars.front();
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) return std::u32string(1, c & 0x1F);
    if (c < 0x20 || c == 0x7F) return chars;
    return {};
}

}  // namespace

KeyFilter::KeyFilter(QLineEdit* field, ui::Desktop& desktop)
    : QObject(field), field_(field), desktop_(desktop) {
    setObjectName(field->objectName() + QStringLiteral("KeyPress"));
    field->installEventFilter(this);
}

const char* KeyFilter::refusedMessage() {
    return QT_TRANSLATE_NOOP("Investigation", "Недопустимый символ!!!");
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_ || forwarding_) return false;
    if (event->type() == QEvent::KeyPress) return keyPress(static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::InputMethod) {
        return inputMethod(static_cast<QInputMethodEvent*>(event));
    }
    return false;
}

bool KeyFilter::accepted(char32_t ch) {
    return isAcceptedKey(ch, static_cast<char32_t>(userDecimalPoint().unicode()));
}

void KeyFilter::refuse() {
    desktop_.showMessage(QCoreApplication::translate("Investigation", refusedMessage()));
}

bool KeyFilter::keyPress(QKeyEvent* event) {
    const std::u32string chars = typedCharacters(*event);
    if (chars.size() == 1) {
        if (accepted(chars.front())) return false;  // the field handles it as usual
        refuse();
        return true;
    }
    if (chars.empty()) return false;  // a key that types nothing (arrows, Ctrl+digit, ...)
    // Several characters from one key: each in turn, as if typed one after the other.
    for (const char32_t c : chars) {
        if (!accepted(c)) {
            refuse();
        } else if (c >= 0x20 && c != 0x7F) {
            field_->insert(QString::fromUcs4(&c, 1));
        }
    }
    return true;
}

bool KeyFilter::inputMethod(QInputMethodEvent* event) {
    const std::u32string chars = codePoints(event->commitString());
    bool allAccepted = true;
    for (const char32_t c : chars) allAccepted = allAccepted && accepted(c);
    if (allAccepted) return false;
    // Let the field take the rest of the event (the composition) without the commit, then
    // type the committed characters one by one through the filter.
    QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
    withoutCommit.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    forwarding_ = true;
    QCoreApplication::sendEvent(field_, &withoutCommit);
    forwarding_ = false;
    for (const char32_t c : chars) {
        if (!accepted(c)) {
            refuse();
        } else if (c >= 0x20 && c != 0x7F) {
            field_->insert(QString::fromUcs4(&c, 1));
        }
    }
    return true;
}

}  // namespace investigations
