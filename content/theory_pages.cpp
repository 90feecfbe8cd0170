#include "content/theory_pages.h"

#include <QByteArray>

#include "content/window_content.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/window_text.h"

namespace {

using ui::ControlKind, ui::CursorKind, ui::FontSpec;

const FontSpec kText19{"Times New Roman", 19};
const FontSpec kText16{"Times New Roman", 16};

ui::FormSpec pageSpec(const char* name, const char* caption, QPoint position, QSize size,
                      std::optional<QColor> background = {}) {
    return {.name = name,
            .caption = caption,
            .position = position,
            .size = size,
            .sizeIs = ui::SizeIs::ClientArea,
            .resizable = false,
            .windowFont = {"MS Sans Serif", 11},
            .background = background};
}

ui::ControlSpec button(const char* name, QRect geometry, const char* caption, int tabOrder) {
    return {ControlKind::Button, name, geometry, caption, {}, tabOrder, CursorKind::Hand};
}

// A piece of a text put together here, in the program's language.
QByteArray piece(const char* window, const char* text) {
    return ui::windowText(window, text).toUtf8();
}

// Leading spaces that push a line of a label at labelLeft to the column at columnLeft.
QByteArray indentTo(const FontSpec& font, int labelLeft, int columnLeft) {
    return content::spacesFor(ui::makeFont(font), columnLeft - labelLeft).toUtf8();
}

}  // namespace

// Page 1: the elastic-reservoir model and figure 1.

const ui::FormSpec& TForm4::formSpec() {
    static const ui::FormSpec spec = pageSpec(
        "Form4", QT_TRANSLATE_NOOP("Form4", "Краткая теория страница 1"), {145, 28}, {1142, 642});
    return spec;
}

const ui::ControlTable& TForm4::controlTable() {
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label2",
         {392, 56, 0, 0},
         QT_TRANSLATE_NOOP("Form4", "Модель сосудистого русла"),
         FontSpec{"MS Sans Serif", 19, true}},
        {ControlKind::Label,
         "Label1",
         {48, 136, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form4",
             "      Первой упрощенной моделью сосудистой системы, позволившей рассчитать изменение "
             "давления в точке\n"
             "крупного сосуда (аорты), стала модель упругого резервуара, предложенная в 1899 году "
             "немецким физиологом.\n"
             "В этой модели артериальная часть большого круга кровообращения представлена упругой "
             "камерой, а система\n"
             "мелких периферических сосудов — жесткой трубкой (рис. 1)."),
         kText19},
        {ControlKind::Picture, "Image1", {240, 272, 633, 289}},
        button("Button2", {936, 568, 145, 33}, QT_TRANSLATE_NOOP("Form4", "Далее"), 0),
    };
    return table;
}

TForm4::TForm4(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
    content::showPicture(*this, "Image1", assets::Picture::Figure1);
}

// Page 2: how the model works, its simplifications and figure 2.

const ui::FormSpec& TForm5::formSpec() {
    static const ui::FormSpec spec = pageSpec(
        "Form5", QT_TRANSLATE_NOOP("Form5", "Краткая теория страница 2"), {135, 25}, {1149, 644});
    return spec;
}

const ui::ControlTable& TForm5::controlTable() {
    // The paragraph runs across the page for two lines and then continues in the column to the
    // right of figure 2, which covers the spaces of its left part.
    static const QByteArray column = indentTo(kText19, 56, 736);
    static const QByteArray simplifications =
        piece("Form5", QT_TRANSLATE_NOOP("Form5",
                                         "      Эта модель очень упрощенно описывает сокращение "
                                         "сердца и выброс ударного объема "
                                         "крови. Эластичностью C\n"
                                         "в ней обладают только крупные сосуды, мелкие сосуды "
                                         "представлены жесткой трубкой\n")) +
        column +
        piece("Form5",
              QT_TRANSLATE_NOOP("Form5", "(C=0), а гидравлическое сопротивление крупных\n")) +
        column + piece("Form5", QT_TRANSLATE_NOOP("Form5", "сосудов принимается минимальным"));
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label1",
         {56, 24, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form5",
             "      В фазе изгнания (рис. 1, а) кровь из левого желудочка (1) проходит через "
             "аортальный клапан (3)\n"
             "в аорту (4) и благодаря эластичности ее стенок растягивает ее. Поэтому часть крови\n"
             "задерживается в аорте, а часть продолжает течь дальше, в мелкие сосуды (5).\n"
             "      В диастолу (рис. 1, б) аортальный клапан (3) закрывается. Аорта за счет "
             "эластичности своих\n"
             "стенок возвращается к прежним размерам и проталкивает накопившуюся в ней кровь в "
             "мелкие\n"
             "сосуды (5). В это же время кровь из левого предсердия (2) поступает в левый "
             "желудочек "
             "(1)\n"
             "и заполняет его."),
         kText19},
        {ControlKind::Label, "Label2", {56, 176, 0, 0}, simplifications.constData(), kText19},
        {ControlKind::Label,
         "Label3",
         {736, 280, 0, 0},
         QT_TRANSLATE_NOOP("Form5",
                           "(R=0), тогда как сопротивление мелких сосудов\n"
                           "(артериол и капилляров) велико. Реальные\n"
                           "изменения давления и скорости выброса крови\n"
                           "показаны на рис. 2."),
         kText19},
        {ControlKind::Picture, "Image1", {64, 224, 641, 409}},
        button("Button1", {728, 560, 144, 33}, QT_TRANSLATE_NOOP("Form5", "Назад"), 0),
        button("Button2", {927, 552, 202, 57}, QT_TRANSLATE_NOOP("Form5", "Далее"), 1),
    };
    return table;
}

TForm5::TForm5(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
    content::showPicture(*this, "Image1", assets::Picture::Figure2);
}

// Page 3: the derivation of the model's equation, on a cream background.

const ui::FormSpec& TForm6::formSpec() {
    static const ui::FormSpec spec =
        pageSpec("Form6", QT_TRANSLATE_NOOP("Form6", "Краткая теория страница 3"), {138, 12},
                 {1144, 665}, QColor(255, 251, 240));
    return spec;
}

const ui::ControlTable& TForm6::controlTable() {
    // Equation (1) stands in the paragraph's last line, in the column of the formula pictures.
    static const QByteArray volume =
        piece(
            "Form6",
            QT_TRANSLATE_NOOP(
                "Form6",
                "      Несмотря на упрощения, модель описывает связь между объемной скоростью "
                "кровотока Q, "
                "давлением P в аорте,\n"
                "периферическим сопротивлением R мелких сосудов и эластичностью C крупных сосудов. "
                "Составим уравнения. Объем\n"
                "крови V в аорте во время систолы определяется ненаполненным объемом аорты (при P "
                "= 0) "
                "и "
                "систолическим давлением:\n")) +
        indentTo(kText16, 48, 424) + "V(t) = V0 + CP(t).  (1)";
    static const ui::ControlTable table{
        {ControlKind::Label, "Label1", {48, 16, 0, 0}, volume.constData(), kText16},
        {ControlKind::Label,
         "Label2",
         {48, 96, 0, 0},
         QT_TRANSLATE_NOOP("Form6",
                           "Зная объем крови, можно рассчитать объемную скорость кровотока как "
                           "изменение объема в "
                           "единицу времени, т. е."),
         kText16},
        {ControlKind::Picture, "Image1", {424, 136, 81, 33}},
        {ControlKind::Label, "Label3", {528, 144, 0, 0}, "(2)", kText16},
        {ControlKind::Label,
         "Label4",
         {48, 176, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form6",
             "Тогда, согласно закону сохранения объема несжимаемой жидкости можно записать:"),
         kText16},
        {ControlKind::Picture, "Image2", {424, 200, 121, 49}},
        {ControlKind::Label, "Label5", {560, 216, 0, 0}, "(3)", kText16},
        {ControlKind::Label,
         "Label6",
         {40, 248, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form6",
             "где Q(t) - объемная скорость кровотока из левого желудочка сердца; Q0(t) - объемная "
             "скорость кровотока, вытекающая из крупных сосудов.\n"
             "На основании уравнения Пуазейля можно записать:"),
         kText16},
        {ControlKind::Picture, "Image3", {424, 296, 121, 41}},
        {ControlKind::Label, "Label7", {568, 304, 0, 0}, "(4)", kText16},
        {ControlKind::Label,
         "Label8",
         {40, 336, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form6",
             "где P - давление в крупных сосудах; Pв - венозное давление, которое можно принять "
             "равным нулю. Тогда:"),
         kText16},
        {ControlKind::Picture, "Image4", {424, 368, 105, 41}},
        {ControlKind::Label, "Label9", {544, 376, 0, 0}, "(5)", kText16},
        {ControlKind::Label,
         "Label10",
         {40, 424, 0, 0},
         QT_TRANSLATE_NOOP("Form6", "Подставляя (5) в (3), получим:"),
         kText16},
        {ControlKind::Picture, "Image5", {424, 448, 121, 49}},
        {ControlKind::Label, "Label11", {560, 464, 0, 0}, "(6)", kText16},
        {ControlKind::Label,
         "Label12",
         {32, 504, 0, 0},
         QT_TRANSLATE_NOOP("Form6",
                           "Простое решение этого уравнения имеется для второй фазы сокращения "
                           "сердца, т. е. когда "
                           "закрывается аортальный клапан и Q(t) = 0.\n"
                           "Тогда уравнение (6) имеет вид:"),
         kText16},
        {ControlKind::Picture, "Image6", {456, 528, 105, 129}},
        {ControlKind::Label, "Label13", {576, 536, 0, 0}, "(7)", kText16},
        {ControlKind::Label, "Label14", {576, 632, 0, 0}, "(8)", kText16},
        button("Button1", {752, 592, 145, 33}, QT_TRANSLATE_NOOP("Form6", "Назад"), 0),
        button("Button2", {976, 592, 145, 33}, QT_TRANSLATE_NOOP("Form6", "Далее"), 1),
    };
    return table;
}

TForm6::TForm6(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
    using assets::Picture;
    content::showPicture(*this, "Image1", Picture::Equation2);
    content::showPicture(*this, "Image2", Picture::Equation3);
    content::showPicture(*this, "Image3", Picture::Equation4);
    content::showPicture(*this, "Image4", Picture::Equation5);
    content::showPicture(*this, "Image5", Picture::Equation6);
    content::showPicture(*this, "Image6", Picture::Equations7And8);
}

// Page 4: the solution for the diastole.

const ui::FormSpec& TForm7::formSpec() {
    static const ui::FormSpec spec = pageSpec(
        "Form7", QT_TRANSLATE_NOOP("Form7", "Краткая теория страница 4"), {139, 11}, {1149, 665});
    return spec;
}

const ui::ControlTable& TForm7::controlTable() {
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label2",
         {72, 64, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form7",
             "      Проинтегрируем уравнение (8) при условии, что в момент времени t = 0 давление "
             "равно P0 — давлению\n"
             "в крупных сосудах в момент закрытия аортального клапана (оно близко к систолическому "
             "давлению):"),
         kText16},
        {ControlKind::Picture, "Image1", {440, 112, 113, 177}},
        {ControlKind::Label, "Label4", {576, 120, 0, 0}, "(9)", kText19},
        {ControlKind::Label, "Label3", {576, 256, 0, 0}, "(10)", kText19},
        {ControlKind::Label,
         "Label1",
         {72, 336, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form7",
             "      Решение дифференциального уравнения (7), изображенное сплошной линией, "
             "описывает "
             "снижение давления\n"
             "в аорте и крупных сосудах во время диастолы. Сравнение его с реальной кривой "
             "давления в "
             "аорте после закрытия\n"
             "аортального клапана показывает, что они сходны. Однако в этой фазе модель не "
             "отражает "
             "дикротического подъема,\n"
             "имеющегося в реальной системе, — небольшого повышения давления после окончания "
             "систолы, "
             "которое отражает\n"
             "кратковременный обратный ток крови в аорте после закрытия аортального клапана."),
         kText16},
        button("Button1", {720, 600, 145, 33}, QT_TRANSLATE_NOOP("Form7", "Назад"), 0),
        button("Button2", {984, 600, 145, 33}, QT_TRANSLATE_NOOP("Form7", "Далее"), 1),
    };
    return table;
}

TForm7::TForm7(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
    content::showPicture(*this, "Image1", assets::Picture::Equations9And10);
}

// Page 5: what the model lets one investigate, and figure 3.

const ui::FormSpec& TForm8::formSpec() {
    static const ui::FormSpec spec = pageSpec(
        "Form8", QT_TRANSLATE_NOOP("Form8", "Краткая теория страница 5"), {141, 2}, {1148, 672});
    return spec;
}

const ui::ControlTable& TForm8::controlTable() {
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label3",
         {16, 40, 0, 0},
         QT_TRANSLATE_NOOP(
             "Form8",
             "      Исследуя модель, можно изучить зависимость давления в крупных сосудах во время "
             "диастолы от эластичности C\n"
             "и гидравлического сопротивления R сосудов (рис. 3, штриховые линии). Уравнение (6) "
             "является неоднородным линейным\n"
             "дифференциальным уравнением, решение которого зависит от вида функции Q(t). "
             "Аппроксимируя Q(t) полусинусоидой\n"
             "или параболической функцией, можно получить решение для первой фазы сокращения "
             "сердца."),
         kText16},
        {ControlKind::Picture, "Image1", {336, 128, 401, 401}},
        {ControlKind::Label,
         "Label1",
         {200, 544, 0, 0},
         QT_TRANSLATE_NOOP("Form8",
                           "Рис. 3. Изменение давления крови в аорте и крупных сосудах после "
                           "закрытия аортального "
                           "клапана"),
         kText16},
        button("Button1", {776, 616, 145, 33}, QT_TRANSLATE_NOOP("Form8", "Назад"), 0),
        button("Button2", {984, 616, 145, 33}, QT_TRANSLATE_NOOP("Form8", "Далее"), 1),
    };
    return table;
}

TForm8::TForm8(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
    content::showPicture(*this, "Image1", assets::Picture::Figure3);
}
