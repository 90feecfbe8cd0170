#include "content/links_window.h"

#include <algorithm>

#include "content/window_content.h"
#include "ui/controls.h"
#include "ui/desktop.h"

namespace {

constexpr const char* kKhanAcademy = "https://www.khanacademy.org/";

}  // namespace

const std::vector<TForm3::Link>& TForm3::links() {
    // The videos are the Khan Academy lessons on blood pressure, on the resistance of a tube
    // (Poiseuille's law) and on vessel compliance lowering the blood pressure; t= is the second
    // at which playback starts.
    static const std::vector<Link> table{
        {"Label1",
         "https://www.khanacademy.org/science/health-and-medicine/circulatory-system/"
         "blood-pressure-ddp/v/what-is-blood-pressure-1?t=358"},
        {"Label2",
         "https://www.khanacademy.org/science/health-and-medicine/circulatory-system/"
         "blood-pressure-ddp/v/resistance-in-a-tube?t=509"},
        {"Label3",
         "https://www.khanacademy.org/science/health-and-medicine/circulatory-system/"
         "arterial-stiffness/v/compliance-decreased-blood-pressure"},
        {"Label4", kKhanAcademy},
        {"Image1", kKhanAcademy},
    };
    return table;
}

QUrl TForm3::linkOf(const char* control) {
    const auto& table = links();
    const auto it = std::find_if(table.begin(), table.end(), [control](const Link& link) {
        return QLatin1String(link.control) == QLatin1String(control);
    });
    return it == table.end() ? QUrl() : QUrl(QString::fromLatin1(it->url));
}

const ui::FormSpec& TForm3::formSpec() {
    static const ui::FormSpec spec{.name = "Form3",
                                   .caption = QT_TRANSLATE_NOOP("Form3", "Проигрыватель"),
                                   .position = {276, 147},
                                   .size = {861, 388},
                                   .sizeIs = ui::SizeIs::Outer,
                                   .resizable = true,
                                   .windowFont = {"MS Sans Serif", 11}};
    return spec;
}

const ui::ControlTable& TForm3::controlTable() {
    using ui::ControlKind, ui::CursorKind, ui::FontSpec;
    static const FontSpec video{"MS Sans Serif", 16, true};
    static const ui::ControlTable table{
        {ControlKind::Label,
         "Label4",
         {312, 32, 0, 0},
         "KhanAcademy",
         FontSpec{"MS Sans Serif", 24, true},
         -1,
         CursorKind::Hand},
        {ControlKind::Label,
         "Label5",
         {88, 72, 0, 0},
         QT_TRANSLATE_NOOP("Form3", "Посмотреть онлайн:"),
         FontSpec{"MS Sans Serif", 19, true},
         -1,
         CursorKind::Arrow},
        {ControlKind::Label,
         "Label1",
         {48, 120, 0, 0},
         QT_TRANSLATE_NOOP("Form3", "Что такое кровяное давление?"),
         video,
         -1,
         CursorKind::Hand},
        {ControlKind::Label,
         "Label2",
         {48, 176, 0, 0},
         QT_TRANSLATE_NOOP("Form3", "Сопротивление в трубке закон Пуазейля"),
         video,
         -1,
         CursorKind::Hand},
        {ControlKind::Label,
         "Label3",
         {48, 232, 0, 0},
         QT_TRANSLATE_NOOP("Form3", "Эластичность и снижение АД?"),
         video,
         -1,
         CursorKind::Hand},
        {ControlKind::Picture, "Image1", {512, 16, 305, 297}, "", {}, -1, CursorKind::Hand},
    };
    return table;
}

void TForm3::underline(ui::Label* label, bool on) {
    QFont font = label->font();
    font.setUnderline(on);
    label->setFont(font);
}

void TForm3::hideEvent(QHideEvent* event) {
    ui::Form::hideEvent(event);
    for (ui::Label* const label : findChildren<ui::Label*>()) {
        if (label->font().underline()) underline(label, false);
    }
}

TForm3::TForm3(ui::Desktop& desktop) : ui::Form(formSpec(), desktop) {
    ui::buildControls(this, controlTable());
    content::showPicture(*this, "Image1", assets::Picture::KhanAcademyLogo);

    for (const Link& link : links()) {
        const QString name = QString::fromLatin1(link.control);
        const QUrl url(QString::fromLatin1(link.url));
        // Opening returns at once; whatever the desktop makes of it is not the program's concern.
        setHandler(name + QStringLiteral("Click"), [this, url] { this->desktop().openUrl(url); });
        connectClick(name, name + QStringLiteral("Click"));
        auto* const label = control<ui::Label>(name);
        if (!label) continue;  // the logo has no hover effect
        setHandler(name + QStringLiteral("MouseMove"), [this, label] { underline(label, true); });
        setHandler(name + QStringLiteral("MouseLeave"), [this, label] { underline(label, false); });
        connect(label, &ui::Label::mouseMoved, this,
                [this, name] { invoke(name + QStringLiteral("MouseMove")); });
        connect(label, &ui::Label::mouseLeft, this,
                [this, name] { invoke(name + QStringLiteral("MouseLeave")); });
    }
}
