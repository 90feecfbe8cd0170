// What a screen reader says for each field of the seven investigation windows: its prompt, and
// for the three value fields the prompt above them with the value label.

#include <QAccessible>
#include <QtTest>

#include "tests/investigations/window_factory.h"
#include "tests/support/recording_desktop.h"

class TestFieldNames : public QObject {
    Q_OBJECT
  private slots:
    void names_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* window, const char* field, const QString& name) {
            QTest::addRow("%s %s", window, field) << window << field << name;
        };
        const QString resistances9 = "Задайте несколько значений периферического сопротивления:";
        row("Form9", "Edit1", "Задайте значение систолического давления:");
        row("Form9", "Edit2", "Задайте значение эластичности стенок крупных сосудов:");
        row("Form9", "Edit3", resistances9 + " Х1 =");
        row("Form9", "Edit5", resistances9 + " Х3 =");
        row("Form24", "Edit1", "Задайте значение периферического сопротивления");
        row("Form24", "Edit2", "Задайте значение систолического давления");
        row("Form24", "Edit4",
            "Задайте несколько значений эластичности стенок крупных сосудов С2 =");
        row("Form20", "Edit1", "Задайте значение эластичности стенок крупных сосудов");
        row("Form20", "Edit2", "Задайте значение периферического сопротивления");
        row("Form20", "Edit3",
            "Задайте значения объемной скорости поступления крови в аорту Qmax1 =");
        row("Form20", "Edit5",
            "Задайте значения объемной скорости поступления крови в аорту Qmax2 =");
        row("Form20", "Edit4",
            "Задайте значения объемной скорости поступления крови в аорту Qmax3 =");
        row("Form26", "Edit1", "Задайте значение эластичности стенок крупных сосудов");
        row("Form26", "Edit2", "Задайте значение объемной скорости поступления крови в аорту");
        row("Form26", "Edit3", "Задайте несколько значений периферического сопротивления: x1 =");
        row("Form28", "Edit1", "Задайте значение объемной скорости поступления крови в аорту");
        row("Form28", "Edit2", "Задайте значение периферического сопротивления");
        row("Form28", "Edit5",
            "Задайте несколько значений эластичности стенок крупных сосудов c3 =");
        row("Form16", "Edit1", "Задайте значение периферического сопротивления");
        row("Form16", "Edit2", "Задайте значение объемной скорости поступления крови в аорту");
        row("Form16", "Edit5",
            "Задайте несколько значений эластичности стенок крупных сосудов C1 =");
        row("Form16", "Edit3",
            "Задайте несколько значений эластичности стенок крупных сосудов C2 =");
        row("Form16", "Edit4",
            "Задайте несколько значений эластичности стенок крупных сосудов C3 =");
        row("Form22", "Edit1", "Задайте значение эластичности стенок крупных сосудов");
        row("Form22", "Edit2", "Задайте значение объемной скорости поступления крови в аорту");
        row("Form22", "Edit3", "Задайте несколько значений периферического сопротивления X1 =");
        row("Form22", "Edit4", "Задайте несколько значений периферического сопротивления X2 =");
    }
    void names() {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, name);
        testing_support::RecordingDesktop desktop;
        const auto form = testing_support::makeLaidOut(window, desktop);
        QWidget* const edit = form->control(field);
        QVERIFY(edit);
        QCOMPARE(edit->accessibleName(), name);
        QAccessibleInterface* const iface = QAccessible::queryAccessibleInterface(edit);
        QCOMPARE(iface->role(), QAccessible::EditableText);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    // Every field of every window has a name, and no two fields of a window share one.
    void everyFieldNamedOnce() {
        testing_support::RecordingDesktop desktop;
        for (const QString& window : testing_support::investigationNames()) {
            const auto form = testing_support::makeLaidOut(window, desktop);
            QSet<QString> names;
            for (int number = 1; number <= 5; ++number) {
                const QString name = form->field(number)->accessibleName();
                QVERIFY2(!name.isEmpty(), qPrintable(window));
                names.insert(name);
            }
            QCOMPARE(names.size(), 5);
        }
    }
};

QTEST_MAIN(TestFieldNames)
#include "test_field_names.moc"
