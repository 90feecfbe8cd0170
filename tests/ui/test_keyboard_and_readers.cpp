// The window kit for keyboard and screen-reader users: links (labels and pictures with the hand
// pointer) follow the tab stops, show a focus mark and open with Enter or Space; fields are
// named after their prompts; links and pictures are described as such.

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include "tests/support/recording_desktop.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace {

using ui::ControlKind, ui::CursorKind;

const ui::FormSpec kSpec{.name = "FormX", .caption = "x", .position = {50, 50}, .size = {400, 300}};

// A window with two tab stops in reverse table order, a plain label, and three links.
const ui::ControlTable& mixedTable() {
    static const ui::ControlTable table{
        {ControlKind::Label, "Link1", {10, 10, 0, 0}, "первая", {}, -1, CursorKind::Hand},
        {ControlKind::Edit, "Edit1", {10, 40, 60, 24}, "", {}, 1},
        {ControlKind::Label, "Label1", {10, 70, 0, 0}, "просто текст"},
        {ControlKind::Button, "Button1", {10, 100, 80, 30}, "кнопка", {}, 0},
        {ControlKind::WrapLabel, "Link2", {10, 140, 120, 0}, "вторая", {}, -1, CursorKind::Hand},
        {ControlKind::Picture, "Image1", {200, 10, 100, 100}, "", {}, -1, CursorKind::Hand},
        {ControlKind::Picture, "Image2", {200, 150, 100, 100}},
    };
    return table;
}

struct Window {
    testing_support::RecordingDesktop desktop;
    ui::Form form{kSpec, desktop};
    QStringList clicked;

    explicit Window(const ui::ControlTable& table) {
        ui::buildControls(&form, table);
        for (const ui::ControlSpec& spec : table) {
            if (spec.kind == ControlKind::Edit) continue;
            const QString name = QString::fromLatin1(spec.name);
            form.setHandler(name + "Click", [this, name] { clicked << name; });
            form.connectClick(name, name + "Click");
        }
        form.Show();
        form.activateWindow();
    }
};

}  // namespace

class TestKeyboardAndReaders : public QObject {
    Q_OBJECT
  private slots:
    void tabReachesTheLinksAfterTheStops() {
        Window w(mixedTable());
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(QApplication::focusWidget(), w.form.control("Button1"));
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"Edit1", "Link1", "Link2", "Image1", "Button1"}));
        // Backwards as well.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Image1"));
        // Neither the plain label nor the plain picture is a stop, nor does a click focus a link.
        QCOMPARE(w.form.control("Label1")->focusPolicy(), Qt::NoFocus);
        QCOMPARE(w.form.control("Image2")->focusPolicy(), Qt::NoFocus);
        QVERIFY(!(w.form.control("Link1")->focusPolicy() & Qt::ClickFocus));
    }

    void enterOrSpaceOpensALink_data() {
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("key");
        for (const char* link : {"Link1", "Link2", "Image1"}) {
            QTest::addRow("%s Return", link) << link << int(Qt::Key_Return);
            QTest::addRow("%s Enter", link) << link << int(Qt::Key_Enter);
            QTest::addRow("%s Space", link) << link << int(Qt::Key_Space);
        }
    }
    void enterOrSpaceOpensALink() {
        QFETCH(QString, link);
        QFETCH(int, key);
        Window w(mixedTable());
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QWidget* const target = w.form.control(link);
        while (QApplication::focusWidget() != target)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(w.clicked, QStringList{link});
        // Other keys do nothing; a plain label does nothing on Enter.
        QTest::keyClick(target, Qt::Key_A);
        QTest::keyClick(target, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(w.form.control("Label1"), Qt::Key_Return);
        QCOMPARE(w.clicked, QStringList{link});
    }

    // A dotted frame marks the focused link; without the focus the link looks as before.
    void focusMark_data() {
        QTest::addColumn<QString>("link");
        QTest::newRow("label") << "Link1";
        QTest::newRow("picture") << "Image1";
    }
    void focusMark() {
        QFETCH(QString, link);
        Window w(mixedTable());
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QWidget* const target = w.form.control(link);
        const QImage plain = target->grab().toImage();
        while (QApplication::focusWidget() != target)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QImage marked = target->grab().toImage();
        QVERIFY(plain != marked);
        // The mark runs along the edge: dark pixels on the top row, where the text is not.
        int dark = 0;
        for (int x = 0; x < marked.width(); ++x) dark += qGray(marked.pixel(x, 0)) < 100 ? 1 : 0;
        QVERIFY2(dark >= marked.width() / 3, qPrintable(QString::number(dark)));
        QTest::keyClick(target, Qt::Key_Tab);
        QTRY_COMPARE(target->grab().toImage(), plain);
    }

    // On a dark picture (the learning site's logo is dark navy) the mark still shows: light
    // pixels between the dark dots along its edge.
    void focusMarkOnADarkPicture() {
        Window w(mixedTable());
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        auto* const picture = w.form.control<ui::PictureBox>("Image1");
        picture->setImageSource([] {
            QImage navy(100, 100, QImage::Format_RGB32);
            navy.fill(QColor(40, 56, 88));
            return navy;
        });
        while (QApplication::focusWidget() != picture)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QImage marked = picture->grab().toImage();
        int light = 0;
        int dark = 0;
        for (int x = 0; x < marked.width(); ++x) {
            light += qGray(marked.pixel(x, 0)) > 180 ? 1 : 0;
            dark += qGray(marked.pixel(x, 0)) < 60 ? 1 : 0;
        }
        QVERIFY2(light >= marked.width() / 3 && dark >= marked.width() / 3,
                 qPrintable(QStringLiteral("%1 light, %2 dark").arg(light).arg(dark)));
    }

    // A link's text is drawn as a plain label's, of the same size, in every font of the windows,
    // before it takes the focus and after it has had it.
    void linkIsDrawnAsAPlainLabel_data() {
        QTest::addColumn<int>("px");
        QTest::addColumn<bool>("bold");
        for (const int px : {11, 13, 16, 19, 24}) {
            for (const bool bold : {false, true})
                QTest::addRow("%d px%s", px, bold ? " bold" : "") << px << bold;
        }
    }
    void linkIsDrawnAsAPlainLabel() {
        QFETCH(int, px);
        QFETCH(bool, bold);
        const ui::FontSpec spec{"MS Sans Serif", px, bold};
        const char* const text = "Что такое кровяное давление?";
        const ui::ControlTable table{
            {ControlKind::Label, "Label1", {10, 10, 0, 0}, text, spec},
            {ControlKind::Label, "Link1", {10, 60, 0, 0}, text, spec, -1, CursorKind::Hand},
        };
        Window w(table);
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QWidget* const plain = w.form.control("Label1");
        QWidget* const link = w.form.control("Link1");
        QCOMPARE(link->size(), plain->size());
        QCOMPARE(link->grab().toImage(), plain->grab().toImage());
        QTest::keyClick(&w.form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), link);
        link->clearFocus();
        QCOMPARE(link->sizeHint(), plain->sizeHint());
        QCOMPARE(link->grab().toImage(), plain->grab().toImage());
    }

    // A window whose only stops are links keeps the focus itself until Tab is pressed, so that
    // Enter opens nothing that has no mark.
    void linksOnlyWindowStartsWithoutAFocusedLink() {
        const ui::ControlTable table{
            {ControlKind::Label, "Link1", {10, 10, 0, 0}, "первая", {}, -1, CursorKind::Hand},
            {ControlKind::Label, "Link2", {10, 40, 0, 0}, "вторая", {}, -1, CursorKind::Hand},
        };
        Window w(table);
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        QCOMPARE(QApplication::focusWidget(), &w.form);
        QTest::keyClick(&w.form, Qt::Key_Return);
        QVERIFY(w.clicked.isEmpty());
        QTest::keyClick(&w.form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.form.control("Link1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.form.control("Link2"));
    }

    void screenReadersSeeLinksAndPictures_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("link label") << "Link1" << int(QAccessible::Link) << "первая";
        QTest::newRow("wrapped link") << "Link2" << int(QAccessible::Link) << "вторая";
        QTest::newRow("link picture") << "Image1" << int(QAccessible::Link) << "логотип";
        QTest::newRow("picture") << "Image2" << int(QAccessible::Graphic) << "рисунок";
        QTest::newRow("plain label") << "Label1" << int(QAccessible::StaticText) << "просто текст";
    }
    void screenReadersSeeLinksAndPictures() {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        Window w(mixedTable());
        w.form.control("Image1")->setAccessibleName(QStringLiteral("логотип"));
        w.form.control("Image2")->setAccessibleName(QStringLiteral("рисунок"));
        QAccessibleInterface* const iface =
            QAccessible::queryAccessibleInterface(w.form.control(control));
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QAccessibleActionInterface* const actions = iface->actionInterface();
        const bool link = role == QAccessible::Link;
        QCOMPARE(
            actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
            link);
        if (link) {
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(w.clicked, QStringList{control});
        }
    }

    // Each field is named after the label to its left at about its height; a value label ending
    // in "=" is read with the prompt above it that stands beside no field.
    void fieldsAreNamedAfterTheirPrompts() {
        const ui::ControlTable table{
            {ControlKind::Label, "Label1", {100, 5, 0, 0}, "Заголовок окна\n  во две строки"},
            {ControlKind::Label, "Label2", {10, 60, 0, 0}, "Задайте значение\n     давления"},
            {ControlKind::Edit, "Edit1", {250, 66, 40, 24}},
            {ControlKind::Label, "Label3", {10, 110, 0, 0}, "  Задайте несколько значений:"},
            {ControlKind::Label, "Label4", {60, 140, 0, 0}, "X1 = "},
            {ControlKind::Edit, "Edit2", {110, 140, 40, 24}},
            {ControlKind::Label, "Label5", {60, 170, 0, 0}, "X2 ="},
            {ControlKind::Edit, "Edit3", {110, 170, 40, 24}},
            {ControlKind::Edit, "Edit4", {110, 250, 40, 24}},  // nothing beside it
        };
        Window w(table);
        QCOMPARE(w.form.control("Edit1")->accessibleName(),
                 QStringLiteral("Задайте значение давления"));
        QCOMPARE(w.form.control("Edit2")->accessibleName(),
                 QStringLiteral("Задайте несколько значений: X1 ="));
        QCOMPARE(w.form.control("Edit3")->accessibleName(),
                 QStringLiteral("Задайте несколько значений: X2 ="));
        QCOMPARE(w.form.control("Edit4")->accessibleName(), QString());
        QCOMPARE(
            QAccessible::queryAccessibleInterface(w.form.control("Edit2"))->text(QAccessible::Name),
            QStringLiteral("Задайте несколько значений: X1 ="));
    }
};

QTEST_MAIN(TestKeyboardAndReaders)
#include "test_keyboard_and_readers.moc"
