// The controls of the title window, the theory pages, the links window and the credits window
// against their designed layout: names, kinds, positions, sizes, texts, fonts and cursors; and
// every text fits its window.

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>
#include <functional>
#include <memory>

#include "content/credits_window.h"
#include "content/links_window.h"
#include "content/theory_pages.h"
#include "content/title_window.h"
#include "tests/support/program_fonts.h"
#include "tests/support/recording_desktop.h"
#include "ui/controls.h"

namespace {

enum class Kind { Label, Button, Picture };
enum class Cursor { Default, Arrow, Hand };

constexpr const char* kTimes = "Times New Roman";
constexpr const char* kSans = "MS Sans Serif";
constexpr const char* kPrint = "Segoe Print";
constexpr int kAuto = 0;
// For paragraphs described by their content: only the number of lines is fixed.
constexpr const char* kParagraph = nullptr;

struct Row {
    const char* window;
    const char* name;
    Kind kind;
    QRect geometry;  // width/height kAuto: the label sizes itself to its text
    const char* text;
    int lines;  // 0: not checked
    const char* family;
    int px;
    bool bold = false;
    bool underline = false;
    Cursor cursor = Cursor::Default;
};

const std::vector<Row>& rows() {
    static const std::vector<Row> table{
        // Title window.
        {"Form1",
         "Label2",
         Kind::Label,
         {40, 40, kAuto, kAuto},
         "Модель гемодинамики сосудистого русла",
         1,
         kPrint,
         21,
         true},
        {"Form1",
         "Label3",
         Kind::Label,
         {104, 112, kAuto, kAuto},
         "Цель работы:",
         1,
         kPrint,
         16,
         false,
         true},
        {"Form1",
         "Label4",
         Kind::Label,
         {32, 160, kAuto, kAuto},
         "  1. Ознакомиться с основами гемодинамики.",
         1,
         kTimes,
         21},
        {"Form1",
         "Label5",
         Kind::Label,
         {32, 224, 420, kAuto},
         "  2. Научиться составлять математическую модель, описывающую кровоток в эластичном "
         "сосуде.",
         3,
         kTimes,
         21},
        {"Form1",
         "Label6",
         Kind::Label,
         {32, 328, 396, kAuto},
         "  3. Исследовать изменение гемодинамических показателей  при изменении одного из "
         "параметров  системы и научиться сопоставлять их  с процессами в сердечно-сосудистой "
         "системе.",
         5,
         kTimes,
         21},
        {"Form1",
         "Label1",
         Kind::Label,
         {880, 600, kAuto, kAuto},
         "Авторы",
         1,
         kPrint,
         13,
         false,
         false,
         Cursor::Hand},
        {"Form1", "Image2", Kind::Picture, {528, 0, 401, 601}, "", 0, nullptr, 0},
        {"Form1",
         "Button1",
         Kind::Button,
         {88, 480, 289, 89},
         "Начать исследование!!!",
         1,
         kSans,
         21,
         true,
         false,
         Cursor::Hand},
        // Links window.
        {"Form3",
         "Label4",
         Kind::Label,
         {312, 32, kAuto, kAuto},
         "KhanAcademy",
         1,
         kSans,
         24,
         true,
         false,
         Cursor::Hand},
        {"Form3",
         "Label5",
         Kind::Label,
         {88, 72, kAuto, kAuto},
         "Посмотреть онлайн:",
         1,
         kSans,
         19,
         true,
         false,
         Cursor::Arrow},
        {"Form3",
         "Label1",
         Kind::Label,
         {48, 120, kAuto, kAuto},
         "Что такое кровяное давление?",
         1,
         kSans,
         16,
         true,
         false,
         Cursor::Hand},
        {"Form3",
         "Label2",
         Kind::Label,
         {48, 176, kAuto, kAuto},
         "Сопротивление в трубке закон Пуазейля",
         1,
         kSans,
         16,
         true,
         false,
         Cursor::Hand},
        {"Form3",
         "Label3",
         Kind::Label,
         {48, 232, kAuto, kAuto},
         "Эластичность и снижение АД?",
         1,
         kSans,
         16,
         true,
         false,
         Cursor::Hand},
        {"Form3",
         "Image1",
         Kind::Picture,
         {512, 16, 305, 297},
         "",
         0,
         nullptr,
         0,
         false,
         false,
         Cursor::Hand},
        // Theory page 1.
        {"Form4",
         "Label2",
         Kind::Label,
         {392, 56, kAuto, kAuto},
         "Модель сосудистого русла",
         1,
         kSans,
         19,
         true},
        {"Form4", "Label1", Kind::Label, {48, 136, kAuto, kAuto}, kParagraph, 4, kTimes, 19},
        {"Form4", "Image1", Kind::Picture, {240, 272, 633, 289}, "", 0, nullptr, 0},
        {"Form4",
         "Button2",
         Kind::Button,
         {936, 568, 145, 33},
         "Далее",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        // Theory page 2.
        {"Form5", "Label1", Kind::Label, {56, 24, kAuto, kAuto}, kParagraph, 7, kTimes, 19},
        {"Form5", "Label2", Kind::Label, {56, 176, kAuto, kAuto}, kParagraph, 0, kTimes, 19},
        {"Form5", "Label3", Kind::Label, {736, 280, kAuto, kAuto}, kParagraph, 4, kTimes, 19},
        {"Form5", "Image1", Kind::Picture, {64, 224, 641, 409}, "", 0, nullptr, 0},
        {"Form5",
         "Button1",
         Kind::Button,
         {728, 560, 144, 33},
         "Назад",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        {"Form5",
         "Button2",
         Kind::Button,
         {927, 552, 202, 57},
         "Далее",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        // Theory page 3.
        {"Form6", "Label1", Kind::Label, {48, 16, kAuto, kAuto}, kParagraph, 4, kTimes, 16},
        {"Form6",
         "Label2",
         Kind::Label,
         {48, 96, kAuto, kAuto},
         "Зная объем крови, можно рассчитать объемную скорость кровотока как изменение объема в "
         "единицу времени, т. е.",
         1,
         kTimes,
         16},
        {"Form6", "Image1", Kind::Picture, {424, 136, 81, 33}, "", 0, nullptr, 0},
        {"Form6", "Label3", Kind::Label, {528, 144, kAuto, kAuto}, "(2)", 1, kTimes, 16},
        {"Form6",
         "Label4",
         Kind::Label,
         {48, 176, kAuto, kAuto},
         "Тогда, согласно закону сохранения объема несжимаемой жидкости можно записать:",
         1,
         kTimes,
         16},
        {"Form6", "Image2", Kind::Picture, {424, 200, 121, 49}, "", 0, nullptr, 0},
        {"Form6", "Label5", Kind::Label, {560, 216, kAuto, kAuto}, "(3)", 1, kTimes, 16},
        {"Form6",
         "Label6",
         Kind::Label,
         {40, 248, kAuto, kAuto},
         "где Q(t) - объемная скорость кровотока из левого желудочка сердца; Q0(t) - объемная "
         "скорость кровотока, вытекающая из крупных сосудов.\n"
         "На основании уравнения Пуазейля можно записать:",
         2,
         kTimes,
         16},
        {"Form6", "Image3", Kind::Picture, {424, 296, 121, 41}, "", 0, nullptr, 0},
        {"Form6", "Label7", Kind::Label, {568, 304, kAuto, kAuto}, "(4)", 1, kTimes, 16},
        {"Form6",
         "Label8",
         Kind::Label,
         {40, 336, kAuto, kAuto},
         "где P - давление в крупных сосудах; Pв - венозное давление, которое можно принять "
         "равным нулю. Тогда:",
         1,
         kTimes,
         16},
        {"Form6", "Image4", Kind::Picture, {424, 368, 105, 41}, "", 0, nullptr, 0},
        {"Form6", "Label9", Kind::Label, {544, 376, kAuto, kAuto}, "(5)", 1, kTimes, 16},
        {"Form6",
         "Label10",
         Kind::Label,
         {40, 424, kAuto, kAuto},
         "Подставляя (5) в (3), получим:",
         1,
         kTimes,
         16},
        {"Form6", "Image5", Kind::Picture, {424, 448, 121, 49}, "", 0, nullptr, 0},
        {"Form6", "Label11", Kind::Label, {560, 464, kAuto, kAuto}, "(6)", 1, kTimes, 16},
        {"Form6",
         "Label12",
         Kind::Label,
         {32, 504, kAuto, kAuto},
         "Простое решение этого уравнения имеется для второй фазы сокращения сердца, т. е. когда "
         "закрывается аортальный клапан и Q(t) = 0.\n"
         "Тогда уравнение (6) имеет вид:",
         2,
         kTimes,
         16},
        {"Form6", "Image6", Kind::Picture, {456, 528, 105, 129}, "", 0, nullptr, 0},
        {"Form6", "Label13", Kind::Label, {576, 536, kAuto, kAuto}, "(7)", 1, kTimes, 16},
        {"Form6", "Label14", Kind::Label, {576, 632, kAuto, kAuto}, "(8)", 1, kTimes, 16},
        {"Form6",
         "Button1",
         Kind::Button,
         {752, 592, 145, 33},
         "Назад",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        {"Form6",
         "Button2",
         Kind::Button,
         {976, 592, 145, 33},
         "Далее",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        // Theory page 4.
        {"Form7", "Label2", Kind::Label, {72, 64, kAuto, kAuto}, kParagraph, 2, kTimes, 16},
        {"Form7", "Image1", Kind::Picture, {440, 112, 113, 177}, "", 0, nullptr, 0},
        {"Form7", "Label4", Kind::Label, {576, 120, kAuto, kAuto}, "(9)", 1, kTimes, 19},
        {"Form7", "Label3", Kind::Label, {576, 256, kAuto, kAuto}, "(10)", 1, kTimes, 19},
        {"Form7", "Label1", Kind::Label, {72, 336, kAuto, kAuto}, kParagraph, 5, kTimes, 16},
        {"Form7",
         "Button1",
         Kind::Button,
         {720, 600, 145, 33},
         "Назад",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        {"Form7",
         "Button2",
         Kind::Button,
         {984, 600, 145, 33},
         "Далее",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        // Theory page 5.
        {"Form8", "Label3", Kind::Label, {16, 40, kAuto, kAuto}, kParagraph, 4, kTimes, 16},
        {"Form8", "Image1", Kind::Picture, {336, 128, 401, 401}, "", 0, nullptr, 0},
        {"Form8",
         "Label1",
         Kind::Label,
         {200, 544, kAuto, kAuto},
         "Рис. 3. Изменение давления крови в аорте и крупных сосудах после закрытия аортального "
         "клапана",
         1,
         kTimes,
         16},
        {"Form8",
         "Button1",
         Kind::Button,
         {776, 616, 145, 33},
         "Назад",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        {"Form8",
         "Button2",
         Kind::Button,
         {984, 616, 145, 33},
         "Далее",
         1,
         kSans,
         11,
         false,
         false,
         Cursor::Hand},
        // Credits window.
        {"Form30", "Label2", Kind::Label, {80, 72, kAuto, kAuto}, kParagraph, 3, kTimes, 21},
        {"Form30",
         "Label3",
         Kind::Label,
         {32, 216, kAuto, kAuto},
         "заведующий кафедрой профессор:",
         1,
         kTimes,
         23},
        {"Form30",
         "Label5",
         Kind::Label,
         {440, 216, kAuto, kAuto},
         kParagraph,
         1,
         kTimes,
         24,
         true},
        {"Form30",
         "Label6",
         Kind::Label,
         {32, 256, kAuto, kAuto},
         "ассистент кафедры:",
         1,
         kTimes,
         23},
        {"Form30",
         "Label7",
         Kind::Label,
         {440, 256, kAuto, kAuto},
         kParagraph,
         1,
         kTimes,
         24,
         true},
        {"Form30", "Label8", Kind::Label, {32, 296, kAuto, kAuto}, "программист:", 1, kTimes, 23},
        {"Form30",
         "Label9",
         Kind::Label,
         {440, 296, kAuto, kAuto},
         kParagraph,
         1,
         kTimes,
         23,
         true},
    };
    return table;
}

struct WindowRow {
    const char* name;
    std::function<std::unique_ptr<ui::Form>(ui::Desktop&)> make;
    const char* caption;
    QPoint position;
    QSize size;
    bool outerSize;
    bool resizable;
    std::optional<QColor> background;
    int controls;
};

// The window as when first shown: its labels sized to their texts.
template <class T>
std::unique_ptr<ui::Form> make(ui::Desktop& desktop) {
    auto form = std::make_unique<T>(desktop);
    ui::layOutTexts(form.get());
    return form;
}

const std::vector<WindowRow>& windows() {
    static const std::vector<WindowRow> table{
        {"Form1",
         make<TForm1>,
         "Модель гемодинамики сосудистого русла",
         {221, 31},
         {996, 639},
         false,
         false,
         {},
         8},
        {"Form3", make<TForm3>, "Проигрыватель", {276, 147}, {861, 388}, true, true, {}, 6},
        {"Form4",
         make<TForm4>,
         "Краткая теория страница 1",
         {145, 28},
         {1142, 642},
         false,
         false,
         {},
         4},
        {"Form5",
         make<TForm5>,
         "Краткая теория страница 2",
         {135, 25},
         {1149, 644},
         false,
         false,
         {},
         6},
        {"Form6",
         make<TForm6>,
         "Краткая теория страница 3",
         {138, 12},
         {1144, 665},
         false,
         false,
         QColor(255, 251, 240),
         22},
        {"Form7",
         make<TForm7>,
         "Краткая теория страница 4",
         {139, 11},
         {1149, 665},
         false,
         false,
         {},
         7},
        {"Form8",
         make<TForm8>,
         "Краткая теория страница 5",
         {141, 2},
         {1148, 672},
         false,
         false,
         {},
         5},
        {"Form30", make<TForm30>, "Авторы", {341, 117}, {717, 469}, false, false, {}, 7},
    };
    return table;
}

const WindowRow& windowRow(const QString& name) {
    for (const WindowRow& row : windows())
        if (QLatin1String(row.name) == name) return row;
    qFatal("no window %s", qPrintable(name));
}

}  // namespace

class ContentLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { testing_support::installFontsAsAtStartUp(); }

    void windowFrame_data() {
        QTest::addColumn<QString>("window");
        for (const WindowRow& row : windows()) QTest::newRow(row.name) << QString(row.name);
    }
    void windowFrame() {
        QFETCH(QString, window);
        const WindowRow& row = windowRow(window);
        const auto form = row.make(desktop_);
        QCOMPARE(form->objectName(), window);
        QCOMPARE(form->windowTitle(), QString::fromUtf8(row.caption));
        QCOMPARE(form->pos(), row.position);
        QCOMPARE(form->spec().size, row.size);
        QCOMPARE(form->spec().sizeIs == ui::SizeIs::Outer, row.outerSize);
        QCOMPARE(form->spec().resizable, row.resizable);
        if (!row.outerSize) QCOMPARE(form->size(), row.size);
        if (row.background) {
            QVERIFY(form->autoFillBackground());
            QCOMPARE(form->palette().color(QPalette::Window), *row.background);
        } else {
            QVERIFY(!form->autoFillBackground());
        }
        QCOMPARE(form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), row.controls);
    }

    void control_data() {
        QTest::addColumn<int>("index");
        int i = 0;
        for (const Row& row : rows()) {
            QTest::newRow(qPrintable(QStringLiteral("%1.%2").arg(row.window, row.name))) << i++;
        }
    }
    void control() {
        QFETCH(int, index);
        const Row& row = rows()[static_cast<std::size_t>(index)];
        const auto form = windowRow(QString::fromLatin1(row.window)).make(desktop_);
        QWidget* const widget = form->control(QString::fromLatin1(row.name));
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), form.get());
        QCOMPARE(widget->pos(), row.geometry.topLeft());
        if (row.geometry.width() != kAuto) QCOMPARE(widget->width(), row.geometry.width());
        if (row.geometry.height() != kAuto) QCOMPARE(widget->height(), row.geometry.height());

        QString text;
        switch (row.kind) {
            case Kind::Label: {
                auto* const label = qobject_cast<ui::Label*>(widget);
                QVERIFY(label);
                // Links (the hand pointer) are reached with Tab; a mouse click never focuses.
                QCOMPARE(label->focusPolicy(),
                         row.cursor == Cursor::Hand ? Qt::TabFocus : Qt::NoFocus);
                text = label->text();
                if (row.geometry.width() == kAuto) {
                    QVERIFY(!label->wordWrap());
                    QCOMPARE(label->size(), label->sizeHint());
                } else {
                    QVERIFY(label->wordWrap());  // breaks between words at its fixed width
                    const int lines =
                        qRound(double(label->height()) / QFontMetrics(label->font()).lineSpacing());
                    QCOMPARE(lines, row.lines);
                }
                break;
            }
            case Kind::Button: {
                auto* const button = qobject_cast<QPushButton*>(widget);
                QVERIFY(button);
                text = button->text();
                break;
            }
            case Kind::Picture:
                QVERIFY(qobject_cast<ui::PictureBox*>(widget));
                QVERIFY(!static_cast<ui::PictureBox*>(widget)->image().isNull());
                QCOMPARE(widget->focusPolicy(),
                         row.cursor == Cursor::Hand ? Qt::TabFocus : Qt::NoFocus);
                break;
        }
        if (row.text) {
            QCOMPARE(text, QString::fromUtf8(row.text));
        } else {
            QVERIFY(!text.trimmed().isEmpty());
        }
        if (row.kind != Kind::Picture && row.geometry.width() == kAuto && row.lines > 0)
            QCOMPARE(text.count(QLatin1Char('\n')) + 1, row.lines);
        if (row.family) {
            const QFont font = widget->font();
            QCOMPARE(font.family(), QString::fromLatin1(row.family));
            QCOMPARE(font.pixelSize(), row.px);
            QCOMPARE(font.bold(), row.bold);
            QCOMPARE(font.underline(), row.underline);
            QVERIFY(!font.italic());
        }
        if (row.cursor == Cursor::Hand) {
            QVERIFY(widget->testAttribute(Qt::WA_SetCursor));
            QCOMPARE(widget->cursor().shape(), Qt::PointingHandCursor);
        } else if (row.cursor == Cursor::Arrow) {
            QCOMPARE(widget->cursor().shape(), Qt::ArrowCursor);
        } else {
            QVERIFY(!widget->testAttribute(Qt::WA_SetCursor));
        }
        // No text is cut by the window's edge.
        QVERIFY2(form->rect().contains(widget->geometry()),
                 qPrintable(QStringLiteral("%1 x %2")
                                .arg(widget->geometry().right())
                                .arg(widget->geometry().bottom())));
    }

    // The paragraphs described by their content keep their designed shape.
    void paragraphs() {
        const auto page2 = make<TForm5>(desktop_);
        const QStringList simplifications =
            page2->control<QLabel>(QStringLiteral("Label2"))->text().split(QLatin1Char('\n'));
        QVERIFY(simplifications.size() > 2);
        QVERIFY(simplifications[2].contains(QStringLiteral("(C=0)")));
        QVERIFY(page2->control<QLabel>(QStringLiteral("Label3"))
                    ->text()
                    .startsWith(QStringLiteral("(R=0)")));
        // Its lines after the second start in the column of Label3, right of the figure.
        const QFontMetrics metrics(page2->control(QStringLiteral("Label2"))->font());
        for (qsizetype i = 2; i < simplifications.size(); ++i) {
            const QString& line = simplifications[i];
            const qsizetype spaces =
                line.size() -
                QString(line).remove(QRegularExpression(QStringLiteral("^ +"))).size();
            const int left = 56 + metrics.horizontalAdvance(line.left(spaces));
            QVERIFY2(qAbs(left - 736) <= 3, qPrintable(QString::number(left)));
        }
        const QString volume =
            make<TForm6>(desktop_)->control<QLabel>(QStringLiteral("Label1"))->text();
        QVERIFY(volume.endsWith(QStringLiteral("V(t) = V0 + CP(t).  (1)")));
        // Paragraphs open with an indented first line (page 2's Label3 continues Label2).
        for (const char* window : {"Form4", "Form5", "Form6", "Form7", "Form8"}) {
            const auto form = windowRow(QString::fromLatin1(window)).make(desktop_);
            const auto labels = form->findChildren<QLabel*>();
            for (const QLabel* label : labels) {
                const bool continuation = QLatin1String(window) == QLatin1String("Form5") &&
                                          label->objectName() == QStringLiteral("Label3");
                if (!continuation && label->text().count(QLatin1Char('\n')) >= 3)
                    QVERIFY2(label->text().startsWith(QStringLiteral("    ")),
                             qPrintable(QStringLiteral("%1.%2").arg(window, label->objectName())));
            }
        }
    }

    // Where two controls overlap, the later one of the layout lies on top.
    void laterControlIsOnTop() {
        const auto page2 = make<TForm5>(desktop_);
        const QObjectList children = page2->children();
        QWidget* const paragraph = page2->control(QStringLiteral("Label2"));
        QWidget* const figure = page2->control(QStringLiteral("Image1"));
        QVERIFY(paragraph->geometry().intersects(figure->geometry()));
        QVERIFY(children.indexOf(figure) > children.indexOf(paragraph));
        QCOMPARE(page2->childAt(QPoint(300, 260)), figure);
    }

    // "Назад" comes before "Далее" in the tab order.
    void backBeforeNext_data() {
        QTest::addColumn<QString>("window");
        for (const char* name : {"Form5", "Form6", "Form7", "Form8"}) QTest::newRow(name) << name;
    }
    void backBeforeNext() {
        QFETCH(QString, window);
        const auto form = windowRow(window).make(desktop_);
        QWidget* const back = form->control(QStringLiteral("Button1"));
        QWidget* const next = form->control(QStringLiteral("Button2"));
        QCOMPARE(back->nextInFocusChain(), next);
    }

  private:
    testing_support::RecordingDesktop desktop_;
};

QTEST_MAIN(ContentLayoutTest)
#include "test_content_layout.moc"
