// The key filter of the investigation fields: the verdict on every Windows-1251 code and on
// characters outside the set, and what a field does with typed and composed text.

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringDecoder>
#include <QtTest>

#include "investigations/key_filter.h"
#include "investigations/win1251.h"
#include "tests/support/recording_desktop.h"

using investigations::acceptedWin1251Code;
using investigations::isAcceptedKey;
using investigations::win1251Char;
using investigations::win1251Code;

namespace {

const QString kRefused = QStringLiteral("Недопустимый символ!!!");

// The verdict table of the key filter, written out range by range.
bool expectedVerdict(int code) {
    struct Range {
        int first, last;
        bool accepted;
    };
    static const Range ranges[] = {
        {0, 31, true},     {32, 38, false},   {39, 39, true},   {40, 43, false},   {44, 44, true},
        {45, 47, false},   {48, 57, true},    {58, 64, false},  {65, 90, false},   {91, 91, false},
        {92, 92, true},    {93, 96, false},   {97, 122, false}, {123, 126, false}, {127, 127, true},
        {128, 167, true},  {168, 168, false}, {169, 183, true}, {184, 185, false}, {186, 191, true},
        {192, 255, false},
    };
    for (const Range& r : ranges) {
        if (code >= r.first && code <= r.last) return r.accepted;
    }
    return false;
}

// Types one character as a key press and release carrying it as text.
void typeCharacter(QWidget* widget, char32_t ch) {
    const QString text = QString::fromUcs4(&ch, 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

}  // namespace

class TestKeyFilter : public QObject {
    Q_OBJECT
  private slots:
    // The table is that of Russian settings, whose decimal separator is the comma.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian)); }

    void everyCode_data() {
        QTest::addColumn<int>("code");
        for (int code = 0; code < 256; ++code) QTest::addRow("%d", code) << code;
    }
    void everyCode() {
        QFETCH(int, code);
        QCOMPARE(acceptedWin1251Code(code), expectedVerdict(code));
        // The character of the code is judged by that code.
        const char32_t ch = win1251Char(code);
        QCOMPARE(win1251Code(ch), std::optional<int>(code));
        QCOMPARE(isAcceptedKey(ch, U','), expectedVerdict(code));
    }

    // The set agrees with the desktop's own Windows-1251 decoder where the code is assigned.
    void tableMatchesDecoder() {
        QStringDecoder decoder("windows-1251");
        if (!decoder.isValid()) QSKIP("no windows-1251 decoder on this system");
        for (int code = 0x80; code < 0x100; ++code) {
            if (code == 0x98) continue;  // unassigned
            const char byte = static_cast<char>(code);
            const QString decoded = decoder.decode(QByteArrayView(&byte, 1));
            QCOMPARE(decoded.size(), 1);
            QCOMPARE(static_cast<char32_t>(decoded.front().unicode()), win1251Char(code));
        }
    }

    void outsideTheSet_data() {
        QTest::addColumn<uint>("ch");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("e acute") << 0xE9u << false;
        QTest::newRow("minus sign") << 0x2212u << false;
        QTest::newRow("CJK") << 0x4E2Du << false;
        QTest::newRow("emoji") << 0x1F600u << false;
        QTest::newRow("Greek alpha") << 0x3B1u << false;
        QTest::newRow("Ukrainian i") << 0x456u << true;
        QTest::newRow("euro") << 0x20ACu << true;
        QTest::newRow("no-break space") << 0xA0u << true;
        QTest::newRow("Cyrillic Yo") << 0x401u << false;
        QTest::newRow("numero") << 0x2116u << false;
        QTest::newRow("Cyrillic zhe") << 0x436u << false;
    }
    void outsideTheSet() {
        QFETCH(uint, ch);
        QFETCH(bool, accepted);
        QCOMPARE(isAcceptedKey(static_cast<char32_t>(ch), U','), accepted);
    }

    // The user's decimal separator is accepted whatever it is; the comma only as the separator.
    void separators_data() {
        QTest::addColumn<uint>("separator");
        QTest::addColumn<uint>("ch");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("comma: comma") << uint(',') << uint(',') << true;
        QTest::newRow("comma: full stop") << uint(',') << uint('.') << false;
        QTest::newRow("full stop: full stop") << uint('.') << uint('.') << true;
        QTest::newRow("full stop: comma") << uint('.') << uint(',') << false;
        QTest::newRow("full stop: digit") << uint('.') << uint('7') << true;
        QTest::newRow("full stop: apostrophe") << uint('.') << uint('\'') << true;
        QTest::newRow("full stop: minus") << uint('.') << uint('-') << false;
        QTest::newRow("Arabic: Arabic separator") << 0x66Bu << 0x66Bu << true;
        QTest::newRow("Arabic: comma") << 0x66Bu << uint(',') << false;
        QTest::newRow("Arabic: full stop") << 0x66Bu << uint('.') << false;
    }
    void separators() {
        QFETCH(uint, separator);
        QFETCH(uint, ch);
        QFETCH(bool, accepted);
        QCOMPARE(isAcceptedKey(char32_t(ch), char32_t(separator)), accepted);
    }

    void typing_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("messages");
        QTest::newRow("digits and comma") << "12,5"
                                          << "12,5" << 0;
        QTest::newRow("minus") << "-5"
                               << "5" << 1;
        QTest::newRow("full stop") << "1.5"
                                   << "15" << 1;
        QTest::newRow("space and e") << "1 e3"
                                     << "13" << 2;
        QTest::newRow("apostrophe and backslash") << "1'\\"
                                                  << "1'\\" << 0;
        QTest::newRow("Russian letters") << "1жЖ2"
                                         << "12" << 2;
        QTest::newRow("Yo and numero") << "Ё№ё"
                                       << "" << 3;
        QTest::newRow("section sign") << "§"
                                      << "§" << 0;
        QTest::newRow("outside the set") << "1é😀"
                                         << "1" << 2;
    }
    void typing() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, messages);
        testing_support::RecordingDesktop desktop;
        QLineEdit field;
        field.setObjectName("Edit1");
        new investigations::KeyFilter(&field, desktop);
        for (const uint ch : typed.toUcs4()) typeCharacter(&field, static_cast<char32_t>(ch));
        QCOMPARE(field.text(), text);
        QCOMPARE(desktop.messages.size(), messages);
        for (const QString& m : desktop.messages) QCOMPARE(m, kRefused);
        QVERIFY(desktop.errors.isEmpty());
    }

    // A refused key leaves the text, the caret and the focus as they were.
    void refusedKeyKeepsCaret() {
        testing_support::RecordingDesktop desktop;
        QLineEdit field;
        field.setObjectName("Edit3");
        auto* const filter = new investigations::KeyFilter(&field, desktop);
        QCOMPARE(filter->objectName(), QStringLiteral("Edit3KeyPress"));
        field.show();
        QVERIFY(QTest::qWaitForWindowExposed(&field));
        field.setText("125");
        field.setCursorPosition(1);
        QTest::keyClick(&field, Qt::Key_Minus, Qt::NoModifier);
        QTest::keyClick(&field, Qt::Key_Period, Qt::NoModifier);
        QCOMPARE(field.text(), QStringLiteral("125"));
        QCOMPARE(field.cursorPosition(), 1);
        QCOMPARE(desktop.messages, QStringList({kRefused, kRefused}));
        QTest::keyClick(&field, Qt::Key_Comma, Qt::NoModifier);
        QCOMPARE(field.text(), QStringLiteral("1,25"));
        // Editing keys pass: Backspace, arrows, Ctrl+A and Ctrl+C.
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), QStringLiteral("125"));
        QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(field.selectedText(), QStringLiteral("125"));
        QTest::keyClick(&field, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&field, Qt::Key_End);
        QCOMPARE(desktop.messages.size(), 2);
    }

    // Composed text is judged character by character; pasted text is not judged.
    void inputMethodAndPaste() {
        testing_support::RecordingDesktop desktop;
        QLineEdit field;
        field.setObjectName("Edit2");
        new investigations::KeyFilter(&field, desktop);
        QInputMethodEvent accepted;
        accepted.setCommitString(QStringLiteral("1,5"));
        QApplication::sendEvent(&field, &accepted);
        QCOMPARE(field.text(), QStringLiteral("1,5"));
        QVERIFY(desktop.messages.isEmpty());
        QInputMethodEvent mixed;
        mixed.setCommitString(QStringLiteral("2ж3-"));
        QApplication::sendEvent(&field, &mixed);
        QCOMPARE(field.text(), QStringLiteral("1,523"));
        QCOMPARE(desktop.messages, QStringList({kRefused, kRefused}));
        field.clear();
        field.insert(QStringLiteral("-1E3"));  // what a paste does
        QCOMPARE(field.text(), QStringLiteral("-1E3"));
        QCOMPARE(desktop.messages.size(), 2);
    }
};

QTEST_MAIN(TestKeyFilter)
#include "test_key_filter.moc"
