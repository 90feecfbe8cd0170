// The layout of each investigation window against its designed table: controls, captions,
// fonts, tab order and first focus, the chart's configuration and its series.

#include <QLabel>
#include <QtTest>

#include "tests/investigations/window_factory.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/table_error.h"

using testing_support::makeLaidOut;

namespace {

struct ControlRow {
    const char* window;
    const char* name;
    const char* kind;
    QRect geometry;  // width and height 0: the label sizes itself to its text
    const char* text;
    int tabOrder;
};

const ControlRow kControls[] = {
    {"Form9",
     "Label1",
     "Label",
     {184, 8, 0, 0},
     " Исследование зависимости давления в аорте\nот периферического сопротивления в диастолу",
     -1},
    {"Form9", "Label2", "Label", {24, 120, 0, 0}, "Задайте значение систолического давления:", -1},
    {"Form9", "Edit1", "Edit", {544, 120, 41, 28}, "", 1},
    {"Form9",
     "Label3",
     "Label",
     {24, 160, 0, 0},
     "Задайте значение эластичности стенок крупных сосудов:",
     -1},
    {"Form9", "Edit2", "Edit", {544, 160, 41, 28}, "", 2},
    {"Form9",
     "Label4",
     "Label",
     {24, 200, 0, 0},
     "Задайте несколько значений периферического сопротивления:",
     -1},
    {"Form9", "Label5", "Label", {176, 232, 0, 0}, "Х1 = ", -1},
    {"Form9", "Edit3", "Edit", {224, 232, 41, 28}, "", 3},
    {"Form9", "Label6", "Label", {176, 264, 0, 0}, "Х2 = ", -1},
    {"Form9", "Edit4", "Edit", {224, 264, 41, 28}, "", 4},
    {"Form9", "Label7", "Label", {176, 296, 0, 0}, "Х3 = ", -1},
    {"Form9", "Edit5", "Edit", {224, 296, 41, 28}, "", 5},
    {"Form9", "Button1", "Button", {192, 416, 193, 41}, "Построить график", 6},
    {"Form9", "Chart1", "Chart", {624, 64, 489, 401}, "", -1},
    {"Form24",
     "Label1",
     "Label",
     {272, 8, 0, 0},
     "     Исследование зависимости давления в аорте \nот эластичности стенок крупных сосудов в "
     "диастолу",
     -1},
    {"Form24",
     "Label2",
     "Label",
     {16, 80, 0, 0},
     "Задайте значение периферического\n                сопротивления",
     -1},
    {"Form24", "Edit1", "Edit", {440, 80, 49, 28}, "", 2},
    {"Form24", "Label3", "Label", {16, 144, 0, 0}, "Задайте значение систолического давления", -1},
    {"Form24", "Edit2", "Edit", {440, 144, 49, 28}, "", 3},
    {"Form24",
     "Label4",
     "Label",
     {16, 208, 0, 0},
     "Задайте несколько значений эластичности стенок\n                            крупных сосудов",
     -1},
    {"Form24", "Label5", "Label", {112, 280, 0, 0}, "С1 =", -1},
    {"Form24", "Edit3", "Edit", {160, 280, 49, 28}, "", 4},
    {"Form24", "Label6", "Label", {112, 312, 0, 0}, "С2 =", -1},
    {"Form24", "Edit4", "Edit", {160, 312, 49, 28}, "", 5},
    {"Form24", "Label7", "Label", {112, 344, 0, 0}, "С3 =", -1},
    {"Form24", "Edit5", "Edit", {160, 344, 49, 28}, "", 6},
    {"Form24", "Button1", "Button", {160, 448, 169, 41}, "Построить график", 0},
    {"Form24", "Chart1", "Chart", {520, 72, 545, 465}, "", -1},
    {"Form20",
     "Label1",
     "Label",
     {264, 16, 0, 0},
     "  Исследование зависимости давления в \n   аорте от значения объемной скорости\n    "
     "поступления крови в аорту в систолу",
     -1},
    {"Form20",
     "Label2",
     "Label",
     {16, 96, 0, 0},
     "Задайте значение эластичности \n     стенок крупных сосудов",
     -1},
    {"Form20", "Edit1", "Edit", {360, 104, 41, 28}, "", 2},
    {"Form20",
     "Label3",
     "Label",
     {16, 160, 0, 0},
     "Задайте значение периферического \n           сопротивления",
     -1},
    {"Form20", "Edit2", "Edit", {360, 168, 41, 28}, "", 3},
    {"Form20",
     "Label4",
     "Label",
     {32, 224, 0, 0},
     "Задайте значения объемной скорости\n     поступления крови в аорту",
     -1},
    {"Form20", "Label5", "Label", {144, 272, 0, 0}, "Qmax1 = ", -1},
    {"Form20", "Edit3", "Edit", {224, 272, 33, 28}, "", 4},
    {"Form20", "Label6", "Label", {144, 304, 0, 0}, "Qmax2 =", -1},
    {"Form20", "Edit5", "Edit", {224, 304, 33, 28}, "", 6},
    {"Form20", "Label7", "Label", {144, 336, 0, 0}, "Qmax3 =", -1},
    {"Form20", "Edit4", "Edit", {224, 336, 33, 28}, "", 5},
    {"Form20", "Button1", "Button", {112, 448, 209, 49}, "Построить график", 0},
    {"Form20", "Chart1", "Chart", {456, 104, 513, 441}, "", -1},
    {"Form26",
     "Label1",
     "Label",
     {288, 16, 0, 0},
     "Исследование зависимости давления в аорте от\n  периферического сопротивления в систолу",
     -1},
    {"Form26",
     "Label2",
     "Label",
     {24, 88, 0, 0},
     "Задайте значение эластичности стенок\n              крупных сосудов",
     -1},
    {"Form26", "Edit1", "Edit", {400, 96, 49, 28}, "", 2},
    {"Form26",
     "Label3",
     "Label",
     {24, 152, 0, 0},
     "Задайте значение объемной скорости\n     поступления крови в аорту",
     -1},
    {"Form26", "Edit2", "Edit", {400, 152, 49, 28}, "", 3},
    {"Form26",
     "Label4",
     "Label",
     {72, 224, 0, 0},
     "   Задайте несколько значений \nпериферического сопротивления:",
     -1},
    {"Form26", "Label5", "Label", {136, 296, 0, 0}, "x1 =", -1},
    {"Form26", "Edit3", "Edit", {176, 296, 41, 28}, "", 4},
    {"Form26", "Label6", "Label", {136, 328, 0, 0}, "x2 =", -1},
    {"Form26", "Edit4", "Edit", {176, 328, 41, 28}, "", 5},
    {"Form26", "Label7", "Label", {136, 360, 0, 0}, "x3 =", -1},
    {"Form26", "Edit5", "Edit", {176, 360, 41, 28}, "", 6},
    {"Form26", "Button1", "Button", {128, 424, 193, 41}, "Построить график", 0},
    {"Form26", "Chart1", "Chart", {504, 72, 553, 481}, "", -1},
    {"Form28",
     "Label1",
     "Label",
     {264, 8, 0, 0},
     "    Исследование зависимости давления в аорте\nот эластичности стенок крупных сосудов в "
     "систолу",
     -1},
    {"Form28",
     "Label2",
     "Label",
     {8, 80, 0, 0},
     "Задайте значение объемной скорости\n     поступления крови в аорту",
     -1},
    {"Form28", "Edit1", "Edit", {368, 80, 57, 28}, "", 0},
    {"Form28",
     "Label3",
     "Label",
     {8, 136, 0, 0},
     "Задайте значение периферического\n               сопротивления",
     -1},
    {"Form28", "Edit2", "Edit", {368, 136, 57, 28}, "", 1},
    {"Form28",
     "Label4",
     "Label",
     {48, 192, 0, 0},
     "Задайте несколько значений эластичности \n             стенок крупных сосудов",
     -1},
    {"Form28", "Label5", "Label", {152, 248, 0, 0}, "c1 =", -1},
    {"Form28", "Edit3", "Edit", {192, 248, 49, 28}, "", 2},
    {"Form28", "Label6", "Label", {152, 288, 0, 0}, "c2 =", -1},
    {"Form28", "Edit4", "Edit", {192, 288, 49, 28}, "", 3},
    {"Form28", "Label7", "Label", {152, 328, 0, 0}, "c3 =", -1},
    {"Form28", "Edit5", "Edit", {192, 328, 49, 28}, "", 4},
    {"Form28", "Button1", "Button", {144, 400, 201, 57}, "Построить график", 5},
    {"Form28", "Chart1", "Chart", {520, 72, 537, 441}, "", -1},
    {"Form16",
     "Label1",
     "Label",
     {224, 8, 0, 0},
     "Исследование зависимости давления в аорте от эластичности стенок \n                 крупных "
     "сосудов в течение сердечного цикла",
     -1},
    {"Form16",
     "Label2",
     "Label",
     {16, 72, 0, 0},
     "Задайте значение периферического\n             сопротивления",
     -1},
    {"Form16", "Edit1", "Edit", {368, 72, 49, 28}, "", 2},
    {"Form16",
     "Label3",
     "Label",
     {16, 136, 0, 0},
     "Задайте значение объемной скорости\n     поступления крови в аорту",
     -1},
    {"Form16", "Edit2", "Edit", {368, 144, 49, 28}, "", 3},
    {"Form16",
     "Label4",
     "Label",
     {24, 240, 0, 0},
     "Задайте несколько значений эластичности \n             стенок крупных сосудов",
     -1},
    {"Form16", "Label5", "Label", {152, 304, 0, 0}, "C1 =", -1},
    {"Form16", "Edit5", "Edit", {200, 304, 41, 28}, "", 6},
    {"Form16", "Label6", "Label", {152, 336, 0, 0}, "C2 =", -1},
    {"Form16", "Edit3", "Edit", {200, 336, 41, 28}, "", 4},
    {"Form16", "Label7", "Label", {152, 368, 0, 0}, "C3 =", -1},
    {"Form16", "Edit4", "Edit", {200, 368, 41, 28}, "", 5},
    {"Form16", "Button1", "Button", {136, 432, 185, 41}, "Построить график", 0},
    {"Form16", "Chart1", "Chart", {560, 64, 505, 465}, "", -1},
    {"Form22",
     "Label1",
     "Label",
     {240, 8, 0, 0},
     "Исследование зависимости давления в аорте от периферического\n             сопротивления на "
     "протяжении сердечного цикла",
     -1},
    {"Form22",
     "Label3",
     "Label",
     {48, 80, 0, 0},
     "Задайте значение эластичности\n      стенок крупных сосудов",
     -1},
    {"Form22", "Edit1", "Edit", {384, 88, 41, 31}, "", 2},
    {"Form22",
     "Label2",
     "Label",
     {32, 152, 0, 0},
     "Задайте значение объемной скорости\n     поступления крови в аорту",
     -1},
    {"Form22", "Edit2", "Edit", {384, 152, 41, 31}, "", 3},
    {"Form22",
     "Label4",
     "Label",
     {64, 216, 0, 0},
     "    Задайте несколько значений\n периферического сопротивления",
     -1},
    {"Form22", "kl", "Label", {136, 280, 0, 0}, "X1 =", -1},
    {"Form22", "Edit3", "Edit", {184, 280, 33, 31}, "", 4},
    {"Form22", "Label6", "Label", {136, 320, 0, 0}, "X2 =", -1},
    {"Form22", "Edit4", "Edit", {184, 320, 33, 31}, "", 5},
    {"Form22", "Label7", "Label", {136, 360, 0, 0}, "X3 =", -1},
    {"Form22", "Edit5", "Edit", {184, 360, 33, 31}, "", 6},
    {"Form22", "Button1", "Button", {136, 424, 225, 49}, "Построить график", 0},
    {"Form22", "Chart1", "Chart", {504, 80, 553, 449}, "", -1},
};

struct SeriesRow {
    const char* window;
    int index;  // position in the chart's list
    const char* name;
    const char* title;
    const char* colour;
    bool lineVisible;
};

const SeriesRow kSeries[] = {
    {"Form9", 0, "Series5", " ", "white", true},
    {"Form9", 1, "Series4", "Х1", "blue", true},
    {"Form9", 2, "Series2", "Х2", "green", true},
    {"Form9", 3, "Series1", "Х3", "red", true},
    {"Form9", 4, "Series3", " ", "yellow", true},
    {"Form24", 0, "Series4", " ", "white", true},
    {"Form24", 1, "Series1", "C1", "blue", true},
    {"Form24", 2, "Series2", "C2", "green", true},
    {"Form24", 3, "Series3", "C3", "red", true},
    {"Form24", 4, "Series5", " ", "white", true},
    {"Form20", 0, "Series4", " ", "white", false},
    {"Form20", 1, "Series2", "Qmax1", "blue", true},
    {"Form20", 2, "Series3", "Qmax2", "lime", true},
    {"Form20", 3, "Series1", "Qmax3", "red", true},
    {"Form20", 4, "Series5", " ", "white", false},
    {"Form26", 0, "Series4", " ", "white", false},
    {"Form26", 1, "Series1", "x1", "green", true},
    {"Form26", 2, "Series2", "x2", "red", true},
    {"Form26", 3, "Series3", "x3", "blue", true},
    {"Form26", 4, "Series5", " ", "white", false},
    {"Form28", 0, "Series4", " ", "white", false},
    {"Form28", 1, "Series1", "с1", "red", true},
    {"Form28", 2, "Series2", "с2", "green", true},
    {"Form28", 3, "Series3", "с3", "yellow", true},
    {"Form28", 4, "Series5", " ", "white", false},
    {"Form16", 0, "Series3", "С1", "blue", true},
    {"Form16", 1, "Series1", "С2", "red", true},
    {"Form16", 2, "Series2", "С3", "green", true},
    {"Form16", 3, "Series7", " ", "white", true},
    {"Form16", 4, "Series5", " ", "white", true},
    {"Form16", 5, "Series6", " ", "white", true},
    {"Form16", 6, "Series4", " ", "white", true},
    {"Form16", 7, "Series8", " ", "white", true},
    {"Form16", 8, "Series9", " ", "white", true},
    {"Form16", 9, "Series10", " ", "white", true},
    {"Form16", 10, "Series11", " ", "white", true},
    {"Form16", 11, "Series12", " ", "white", true},
    {"Form16", 12, "Series13", " ", "white", true},
    {"Form16", 13, "Series14", " ", "white", true},
    {"Form22", 0, "Series1", "x1", "red", true},
    {"Form22", 1, "Series2", "x2", "green", true},
    {"Form22", 2, "Series3", "x3", "blue", true},
    {"Form22", 3, "Series4", " ", "white", true},
    {"Form22", 4, "Series5", " ", "white", true},
    {"Form22", 5, "Series6", " ", "white", true},
    {"Form22", 6, "Series7", " ", "white", true},
    {"Form22", 7, "Series8", " ", "white", true},
    {"Form22", 8, "Series9", " ", "white", true},
    {"Form22", 9, "Series10", " ", "white", true},
    {"Form22", 10, "Series11", " ", "white", true},
    {"Form22", 11, "Series12", " ", "white", true},
};

QColor namedColour(const QString& name) {
    static const QMap<QString, QColor> colours{
        {"blue", QColor(0, 0, 255)},     {"green", QColor(0, 128, 0)},
        {"lime", QColor(0, 255, 0)},     {"red", QColor(255, 0, 0)},
        {"yellow", QColor(255, 255, 0)}, {"white", QColor(255, 255, 255)},
    };
    return colours.value(name);
}

}  // namespace

// A window's table changed to name something the window does not have.
struct Misspelling {
    const char* name;
    const investigations::InvestigationSpec& (*table)();
    std::function<void(investigations::InvestigationSpec&)> change;
    const char* message;
};

const std::vector<Misspelling>& misspellings() {
    using investigations::InvestigationSpec;
    static const std::vector<Misspelling> cases{
        {"piece series", &TForm22::table,
         [](InvestigationSpec& t) { t.curves[1].series[2] = "Series15"; },
         "Form22: no series Series15"},
        {"legend row", &TForm9::table,
         [](InvestigationSpec& t) { t.curves[0].legendRow = "Series9"; },
         "Form9: no series Series9"},
        {"anchor series", &TForm16::table,
         [](InvestigationSpec& t) { t.anchors->lowerSeries = "Series80"; },
         "Form16: no series Series80"},
        {"field", &TForm28::table, [](InvestigationSpec& t) { t.fields[3].name = "Edit6"; },
         "Form28: no field Edit4"},
        {"parameter without a field", &TForm22::table,
         [](InvestigationSpec& t) {
             t.curves[0].value = {investigations::Parameter::Quantity::Resistance, 4};
         },
         "Form22: no field for X4"},
        {"button", &TForm20::table, [](InvestigationSpec& t) { t.button.name = "Button2"; },
         "Form20: no control Button1"},
        {"a piece short", &TForm16::table,
         [](InvestigationSpec& t) { t.curves[2].series.pop_back(); },
         "Form16: no series for each of the 4 pieces of C1"},
        {"series twice", &TForm24::table,
         [](InvestigationSpec& t) { t.curves[2].series = {"Series2"}; },
         "Form24: no series of its own for C3"},
    };
    return cases;
}

class TestInvestigationLayout : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian));
        testing_support::installFontsAsAtStartUp();  // as the program does, so texts have their
                                                     // real widths
    }

    // A table that names something the window does not have stops the window from being made,
    // with a message naming the window and the name.
    void misspeltNames_data() {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < misspellings().size(); ++i)
            QTest::newRow(misspellings()[i].name) << int(i);
    }
    void misspeltNames() {
        QFETCH(int, row);
        const Misspelling& m = misspellings()[std::size_t(row)];
        investigations::InvestigationSpec table = m.table();
        m.change(table);
        testing_support::RecordingDesktop desktop;
        QString message;
        try {
            investigations::InvestigationFrame window(table, desktop);
        } catch (const ui::TableError& error) {
            message = QString::fromUtf8(error.what());
        }
        QCOMPARE(message, QString::fromUtf8(m.message));
    }

    void controls_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kControls)); ++i) {
            QTest::addRow("%s %s", kControls[i].window, kControls[i].name) << i;
        }
    }
    void controls() {
        QFETCH(int, row);
        const ControlRow& r = kControls[row];
        testing_support::RecordingDesktop desktop;
        const auto window = makeLaidOut(r.window, desktop);
        QWidget* const widget = window->control(r.name);
        QVERIFY(widget);
        QCOMPARE(widget->pos(), r.geometry.topLeft());
        const QString kind = r.kind;
        const bool form22 = QString(r.window) == "Form22";
        if (kind == "Label") {
            auto* const label = qobject_cast<QLabel*>(widget);
            QVERIFY(label);
            QCOMPARE(label->text(), QString::fromUtf8(r.text));
            QCOMPARE(label->size(), label->sizeHint());  // sized to its text
            const bool heading = QString(r.name) == "Label1";
            QCOMPARE(label->font().pixelSize(), form22 ? 21 : heading ? 19 : 16);
            QCOMPARE(label->font().bold(), heading || !form22);
            QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
        } else {
            QCOMPARE(widget->size(), r.geometry.size());
        }
        if (kind == "Edit") {
            auto* const edit = qobject_cast<QLineEdit*>(widget);
            QVERIFY(edit);
            QVERIFY(edit->text().isEmpty());
            QCOMPARE(edit->font().pixelSize(), form22 ? 21 : 16);
            QCOMPARE(edit->font().bold(), !form22);
            QVERIFY(edit->focusPolicy() & Qt::TabFocus);
        }
        if (kind == "Button") {
            auto* const button = qobject_cast<QPushButton*>(widget);
            QVERIFY(button);
            QCOMPARE(button->text(), QStringLiteral("Построить график"));
            QCOMPARE(button->font().pixelSize(), form22 ? 21 : 16);
        }
        if (kind == "Chart") {
            QVERIFY(qobject_cast<chart::ChartWidget*>(widget));
            QVERIFY(!(widget->focusPolicy() & Qt::TabFocus));
        }
        // Every caption keeps its letters: no Latin X/C/c where a Cyrillic one is meant.
        if (kind == "Label" && QString(r.name) != "Label1") {
            const QString text = QString::fromUtf8(r.text);
            const QString window = r.window;
            if (window == "Form9" && text.startsWith(u'Х')) QVERIFY(text[0].unicode() == 0x425);
            if (window == "Form24" && text.size() == 4) QCOMPARE(text[0].unicode(), u'\u0421');
            if (window == "Form28" && text.size() == 4) QCOMPARE(text[0].unicode(), u'c');
            if (window == "Form16" && text.size() == 4) QCOMPARE(text[0].unicode(), u'C');
        }
    }

    // The Tab key follows the designed order, and focus starts on the first stop that takes it.
    void tabOrder_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("Form9") << "Form9" << QStringList{"Edit1", "Edit2", "Edit3",
                                                         "Edit4", "Edit5", "Button1"};
        QTest::newRow("Form24") << "Form24" << QStringList{"Button1", "Edit1", "Edit2",
                                                           "Edit3",   "Edit4", "Edit5"};
        QTest::newRow("Form20") << "Form20" << QStringList{"Button1", "Edit1", "Edit2",
                                                           "Edit3",   "Edit4", "Edit5"};
        QTest::newRow("Form26") << "Form26" << QStringList{"Button1", "Edit1", "Edit2",
                                                           "Edit3",   "Edit4", "Edit5"};
        QTest::newRow("Form28") << "Form28" << QStringList{"Edit1", "Edit2", "Edit3",
                                                           "Edit4", "Edit5", "Button1"};
        QTest::newRow("Form16") << "Form16" << QStringList{"Button1", "Edit1", "Edit2",
                                                           "Edit3",   "Edit4", "Edit5"};
        QTest::newRow("Form22") << "Form22" << QStringList{"Button1", "Edit1", "Edit2",
                                                           "Edit3",   "Edit4", "Edit5"};
    }
    void tabOrder() {
        QFETCH(QString, window);
        QFETCH(QStringList, order);
        testing_support::RecordingDesktop desktop;
        const auto form = makeLaidOut(window, desktop);
        form->Show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->control(order.front()));
        for (int i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.front());  // the chart is skipped
    }

    // Each label, sized to its text in the font the desktop draws, ends before the fields and
    // the button: a prompt never runs under the field beside it.
    void labelsStayClearOfFields_data() {
        QTest::addColumn<QString>("window");
        for (const QString& name : testing_support::investigationNames()) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }
    void labelsStayClearOfFields() {
        QFETCH(QString, window);
        testing_support::RecordingDesktop desktop;
        const auto form = makeLaidOut(window, desktop);
        const auto children = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const QWidget* label : children) {
            if (!qobject_cast<const QLabel*>(label)) continue;
            for (const QWidget* other : children) {
                if (qobject_cast<const QLabel*>(other)) continue;
                QVERIFY2(!label->geometry().intersects(other->geometry()),
                         qPrintable(label->objectName() + " runs under " + other->objectName()));
            }
        }
    }

    void frame_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("keyFilter");
        for (const QString& name : testing_support::investigationNames()) {
            const bool diastole = name == "Form9" || name == "Form24";
            QTest::newRow(qPrintable(name)) << name << diastole << (name != "Form9");
        }
    }
    void frame() {
        QFETCH(QString, window);
        QFETCH(bool, resizable);
        QFETCH(bool, keyFilter);
        testing_support::RecordingDesktop desktop;
        const auto form = makeLaidOut(window, desktop);
        QCOMPARE(form->windowTitle(), QStringLiteral("Исследование"));
        QCOMPARE(form->minimumSize() == form->maximumSize(), !resizable);
        for (int n = 1; n <= 5; ++n) {
            const QString handler = QStringLiteral("Edit%1KeyPress").arg(n);
            QCOMPARE(form->findChild<QObject*>(handler) != nullptr, keyFilter);
        }
        QVERIFY(form->hasHandler("Button1Click"));
        if (resizable) {
            // Nothing moves or stretches when the window is resized.
            QMap<QString, QRect> before;
            for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                before[w->objectName()] = w->geometry();
            }
            form->resize(form->size() + QSize(300, 200));
            form->resize(QSize(400, 300));
            for (QWidget* w : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QCOMPARE(w->geometry(), before.value(w->objectName()));
            }
        }
    }

    void series_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kSeries)); ++i) {
            QTest::addRow("%s %s", kSeries[i].window, kSeries[i].name) << i;
        }
    }
    void series() {
        QFETCH(int, row);
        const SeriesRow& r = kSeries[row];
        testing_support::RecordingDesktop desktop;
        const auto form = makeLaidOut(r.window, desktop);
        const auto& list = form->chart()->data().seriesList();
        QVERIFY(r.index < int(list.size()));
        const chart::LineSeries& s = *list[std::size_t(r.index)];
        QCOMPARE(s.name(), QString::fromLatin1(r.name));
        QCOMPARE(s.title(), QString::fromUtf8(r.title));
        QCOMPARE(s.seriesColor(), namedColour(r.colour));
        QCOMPARE(s.lineVisible(), r.lineVisible);
        QCOMPARE(s.shade3D(), !(QString(r.window) == "Form26" && QString(r.name) == "Series1"));
        QVERIFY(s.points().empty());
    }

    void seriesCount_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("count");
        for (const QString& name : testing_support::investigationNames()) {
            const int count = name == "Form16" ? 14 : name == "Form22" ? 12 : 5;
            QTest::newRow(qPrintable(name)) << name << count;
        }
    }
    void seriesCount() {
        QFETCH(QString, window);
        QFETCH(int, count);
        testing_support::RecordingDesktop desktop;
        const auto form = makeLaidOut(window, desktop);
        QCOMPARE(int(form->chart()->data().seriesList().size()), count);
    }

    void chartSettings_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("title");
        QTest::addColumn<QString>("bottomTitle");
        QTest::addColumn<QString>("leftTitle");
        QTest::addColumn<bool>("arialTitles");
        QTest::addColumn<bool>("view3D");
        QTest::addColumn<bool>("fixedBottom");
        QTest::newRow("Form9") << "Form9" << QStringList{""} << "время (с)"
                               << "давление (мм.рт.ст.)" << false << false << false;
        QTest::newRow("Form24") << "Form24" << QStringList{"график"} << "время (с)"
                                << "давление (мм.рт.ст)" << true << false << false;
        QTest::newRow("Form20") << "Form20" << QStringList{"Chart"} << "Время (с)"
                                << "давление  (мм.рт.ст)" << false << false << false;
        QTest::newRow("Form26") << "Form26" << QStringList{"График"} << "время (с)"
                                << "давление (мм.рт.ст)" << true << true << false;
        QTest::newRow("Form28") << "Form28" << QStringList{"график"} << "время (с)"
                                << "давление (мм.рт.ст)" << true << true << false;
        QTest::newRow("Form16") << "Form16" << QStringList{"График"} << "время (с)"
                                << "давление (мм.рт.ст)" << false << false << true;
        QTest::newRow("Form22") << "Form22" << QStringList{"График"} << "время (с)"
                                << "давление (мм.рт.ст)" << false << false << true;
    }
    void chartSettings() {
        QFETCH(QString, window);
        QFETCH(QStringList, title);
        QFETCH(QString, bottomTitle);
        QFETCH(QString, leftTitle);
        QFETCH(bool, arialTitles);
        QFETCH(bool, view3D);
        QFETCH(bool, fixedBottom);
        testing_support::RecordingDesktop desktop;
        const auto form = makeLaidOut(window, desktop);
        const chart::ChartSettings& s = form->chart()->data().settings();
        const chart::ChartSettings defaults = chart::ChartData().settings();
        QCOMPARE(s.title, title);
        QCOMPARE(s.bottomAxis.title, bottomTitle);
        QCOMPARE(s.leftAxis.title, leftTitle);
        for (const chart::Axis* axis : {&s.bottomAxis, &s.leftAxis}) {
            if (arialTitles) {
                QCOMPARE(axis->titleFont.family(), QStringLiteral("Arial"));
                QCOMPARE(axis->titleFont.pixelSize(), 16);
                QVERIFY(!axis->titleFont.bold());
                QCOMPARE(axis->titleColor, QColor(Qt::black));
            } else {
                QCOMPARE(axis->titleFont, defaults.bottomAxis.titleFont);
            }
        }
        QCOMPARE(s.view3D, view3D);
        QCOMPARE(!s.bottomAxis.automatic, fixedBottom);
        QVERIFY(s.leftAxis.automatic);
        if (fixedBottom) {
            QCOMPARE(s.bottomAxis.minimum, 0.0);
            QCOMPARE(s.bottomAxis.maximum, 1.6);
            QCOMPARE(s.bottomAxis.increment, 0.1);
        }
        QCOMPARE(s.leftWallColor,
                 window == "Form26" ? QColor(0, 128, 128) : defaults.leftWallColor);
        QCOMPARE(s.background, window == "Form28" ? QColor(240, 240, 240) : defaults.background);
        QCOMPARE(s.leftAxis.gridColor,
                 window == "Form28" ? QColor(255, 255, 128) : defaults.leftAxis.gridColor);
        QCOMPARE(s.bottomAxis.gridColor, defaults.bottomAxis.gridColor);
        QCOMPARE(s.animatedZoom, window == "Form28");
    }
};

QTEST_MAIN(TestInvestigationLayout)
#include "test_investigation_layout.moc"
