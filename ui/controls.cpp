#include "ui/controls.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "ui/fonts.h"
#include "ui/window_text.h"

namespace ui {

namespace {

// What a screen reader is told about a link label or a picture: a link that can be pressed, or
// a picture (never an unnamed filler); plain labels keep the toolkit's own description.
class ControlAccessible : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            if (const auto* const label = qobject_cast<const QLabel*>(widget()))
                text = label->text().simplified();
        }
        return text;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Link) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || role() != QAccessible::Link) {
            QAccessibleWidget::doAction(action);
        } else if (auto* const label = qobject_cast<Label*>(widget())) {
            label->click();
        } else if (auto* const picture = qobject_cast<PictureBox*>(widget())) {
            picture->click();
        }
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() && role() == QAccessible::Link)
            return {QStringLiteral("Enter"), QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

QAccessibleInterface* controlAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(Label::staticMetaObject.className())) {
        auto* const label = qobject_cast<Label*>(object);
        return label && label->isLink() ? new ControlAccessible(label, QAccessible::Link) : nullptr;
    }
    if (className == QLatin1String(PictureBox::staticMetaObject.className())) {
        auto* const picture = qobject_cast<PictureBox*>(object);
        if (!picture) return nullptr;
        return new ControlAccessible(picture,
                                     picture->isLink() ? QAccessible::Link : QAccessible::Graphic);
    }
    return nullptr;
}

void registerAccessibility() {
    static const bool registered = [] {
        QAccessible::installFactory(&controlAccessible);
        return true;
    }();
    Q_UNUSED(registered);
}

// Enter, Return or Space, as for a push button.
bool isClickKey(const QKeyEvent& event) {
    const int key = event.key();
    return !event.isAutoRepeat() &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// A dotted frame in the text colour around a link that has the keyboard focus. Over a picture,
// which may be dark, its gaps are drawn in the window's colour, so that it shows on any picture.
void drawFocusMark(QWidget& widget, bool overPicture = false) {
    if (!widget.hasFocus()) return;
    QPainter painter(&widget);
    const QRect frame = widget.rect().adjusted(0, 0, -1, -1);
    if (overPicture) {
        painter.setPen(QPen(widget.palette().color(QPalette::Window), 1));
        painter.drawRect(frame);
    }
    painter.setPen(QPen(widget.palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(frame);
}

}  // namespace

// Whether it is a link is settled before anything can ask how to describe it to a screen reader
// (setting a text does), since that description is kept. A QLabel that can take the focus lays
// its text out as a document when the text is set, when it is polished and when it takes the
// focus: a pixel taller than a plain label, the text a pixel higher. So a link takes the focus
// only once its text is set, and QLabel does not see its polish and focus events.
Label::Label(const QString& text, QWidget* parent, bool link) : QLabel(parent), link_(link) {
    registerAccessibility();
    setMouseTracking(true);
    setTextFormat(Qt::PlainText);
    setText(text);
    if (link) setFocusPolicy(Qt::TabFocus);
}

bool Label::event(QEvent* event) {
    return event->type() == QEvent::Polish ? QFrame::event(event) : QLabel::event(event);
}

void Label::focusInEvent(QFocusEvent* event) { QFrame::focusInEvent(event); }

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    drawFocusMark(*this);
}

void Label::keyPressEvent(QKeyEvent* event) {
    if (isLink() && isClickKey(*event)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickTracker::press(const QMouseEvent& event) { pressed_ = event.button() == Qt::LeftButton; }

bool ClickTracker::release(const QMouseEvent& event, const QRect& area) {
    const bool click =
        pressed_ && event.button() == Qt::LeftButton && area.contains(event.position().toPoint());
    pressed_ = false;
    return click;
}

void Label::mousePressEvent(QMouseEvent* event) {
    tracker_.press(*event);
    QLabel::mousePressEvent(event);
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = tracker_.release(*event, rect());
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    emit mouseMoved();
}

void Label::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    emit mouseLeft();
}

PictureBox::PictureBox(QWidget* parent, bool link) : QWidget(parent) {
    registerAccessibility();
    setFocusPolicy(link ? Qt::TabFocus : Qt::NoFocus);
}

bool PictureBox::isLink() const { return focusPolicy() & Qt::TabFocus; }

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (isLink() && isClickKey(*event)) {
        event->accept();
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureBox::setImageSource(ImageSource source) {
    source_ = std::move(source);
    image_ = QImage();
    made_ = false;
    if (isVisible()) image();
    update();
}

const QImage& PictureBox::image() const {
    if (source_ && !made_) {
        image_ = source_();
        made_ = true;
    }
    return image_;
}

void PictureBox::showEvent(QShowEvent* event) {
    image();
    QWidget::showEvent(event);
}

void PictureBox::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Made again when shown; a source that failed stays failed, so it is reported once.
    if (holdsPicture()) {
        image_ = QImage();
        made_ = false;
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.drawImage(QPoint(0, 0), image());
    painter.end();
    drawFocusMark(*this, true);
}

bool PictureBox::holdsPicture() const { return made_ && !image_.isNull(); }

void PictureBox::mousePressEvent(QMouseEvent* event) { tracker_.press(*event); }

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_.release(*event, rect())) emit clicked();
}

namespace {

bool isLinkRow(const ControlSpec& spec) {
    return spec.cursor == CursorKind::Hand &&
           (spec.kind == ControlKind::Label || spec.kind == ControlKind::WrapLabel ||
            spec.kind == ControlKind::Picture);
}

QWidget* makeControl(QWidget* window, const ControlSpec& spec, const CustomFactory& custom) {
    const QString text = windowText(window->objectName().toLatin1().constData(), spec.text);
    switch (spec.kind) {
        case ControlKind::Label:
        case ControlKind::WrapLabel: {
            auto* const label = new Label(text, window, isLinkRow(spec));
            label->setWordWrap(spec.kind == ControlKind::WrapLabel);
            return label;
        }
        case ControlKind::Button: {
            auto* const button = new QPushButton(text, window);
            button->setAutoDefault(true);  // Enter clicks the focused button, as Space does
            return button;
        }
        case ControlKind::Edit: {
            auto* const edit = new QLineEdit(text, window);
            edit->setMaxLength(std::numeric_limits<int>::max());
            return edit;
        }
        case ControlKind::Picture:
            return new PictureBox(window, isLinkRow(spec));
        case ControlKind::Custom:
            return custom ? custom(window, spec) : new QWidget(window);
    }
    return nullptr;
}

// A label without a designed width or height takes the size of its text.
bool sizesToText(const ControlSpec& spec) {
    const QRect& g = spec.geometry;
    return (spec.kind == ControlKind::Label && (g.width() == 0 || g.height() == 0)) ||
           (spec.kind == ControlKind::WrapLabel && g.height() <= 0);
}

void sizeToText(QLabel& label, const QRect& designed) {
    if (label.wordWrap()) {
        label.resize(designed.width(), label.heightForWidth(designed.width()));
    } else {
        label.adjustSize();
    }
}

// Laying a label's text out in its font to find its size is most of the cost of making a
// window, so it waits until the window is first shown: start-up then makes the hidden windows
// quickly, and each window's labels are sized before it is first drawn. The fields are named
// after their prompts at the same moment, since that reads where the labels end.
class TextSizing : public QObject {
  public:
    explicit TextSizing(QWidget* window) : QObject(window), window_(window) {}

    void add(QLabel* label, const QRect& designed) { labels_.emplace_back(label, designed); }

    // Sizes at once if the window is shown already, else when it is.
    void start() {
        if (window_->isVisible()) {
            apply();
        } else {
            window_->installEventFilter(this);
        }
    }

    void apply() {
        window_->removeEventFilter(this);
        for (const auto& [label, designed] : labels_) {
            if (label) sizeToText(*label, designed);
        }
        labels_.clear();
        nameFieldsByPrompts(window_);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) apply();
        return false;
    }

  private:
    QWidget* const window_;
    std::vector<std::pair<QPointer<QLabel>, QRect>> labels_;
};

// Places the control as designed; a label that sizes itself to its text keeps its designed
// width or height until it is sized.
void place(QWidget* widget, const ControlSpec& spec) {
    const QRect& g = spec.geometry;
    if (spec.kind == ControlKind::Label && sizesToText(spec)) {
        widget->move(g.topLeft());
    } else {
        widget->setGeometry(g);
    }
}

Qt::CursorShape cursorShape(CursorKind kind) {
    return kind == CursorKind::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

// The label that stands to the left of the field at about the same height, the nearest one.
QLabel* rowLabel(const QLineEdit& field, const QList<QLabel*>& labels) {
    const QRect f = field.geometry();
    QLabel* best = nullptr;
    for (QLabel* const label : labels) {
        const QRect l = label->geometry();
        const bool left = l.left() < f.left() && l.center().x() < f.left();
        const bool level = l.top() <= f.bottom() && l.bottom() >= f.top();
        if (left && level && (!best || l.right() > best->geometry().right())) best = label;
    }
    return best;
}

// The nearest label above the given one among those that are no field's row label.
QLabel* promptAbove(const QLabel& valueLabel, const QList<QLabel*>& prompts) {
    QLabel* best = nullptr;
    for (QLabel* const label : prompts) {
        const QRect l = label->geometry();
        if (l.top() >= valueLabel.geometry().top()) continue;
        if (!best || l.top() > best->geometry().top()) best = label;
    }
    return best;
}

}  // namespace

void nameFieldsByPrompts(QWidget* window) {
    const QList<QLabel*> labels = window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    const QList<QLineEdit*> fields = window->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    std::vector<std::pair<QLineEdit*, QLabel*>> rows;
    for (QLineEdit* const field : fields) rows.emplace_back(field, rowLabel(*field, labels));
    QList<QLabel*> prompts;  // labels that stand beside no field
    for (QLabel* const label : labels) {
        if (std::none_of(rows.begin(), rows.end(),
                         [label](const auto& r) { return r.second == label; }))
            prompts << label;
    }
    for (const auto& [field, label] : rows) {
        if (!label) continue;
        QString name = label->text().simplified();
        if (name.endsWith(QLatin1Char('='))) {
            if (const QLabel* const prompt = promptAbove(*label, prompts))
                name = prompt->text().simplified() + QLatin1Char(' ') + name;
        }
        field->setAccessibleName(name);
    }
}

void layOutTexts(QWidget* window) {
    for (QObject* const child : window->children()) {
        if (auto* const sizing = dynamic_cast<TextSizing*>(child)) sizing->apply();
    }
}

void buildControls(QWidget* window, const ControlTable& table, const CustomFactory& custom) {
    std::vector<std::pair<int, QWidget*>> tabStops;
    std::vector<QWidget*> links;
    auto* const sizing = new TextSizing(window);
    for (const ControlSpec& spec : table) {
        QWidget* const widget = makeControl(window, spec, custom);
        widget->setObjectName(QString::fromLatin1(spec.name));
        if (spec.font) widget->setFont(makeFont(*spec.font));
        if (spec.cursor != CursorKind::Default) widget->setCursor(cursorShape(spec.cursor));
        place(widget, spec);
        if (sizesToText(spec)) sizing->add(static_cast<QLabel*>(widget), spec.geometry);
        widget->raise();  // a later row lies over an earlier one
        if (spec.tabOrder >= 0) tabStops.emplace_back(spec.tabOrder, widget);
        if (isLinkRow(spec)) links.push_back(widget);
    }
    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> chain;
    for (const auto& stop : tabStops) chain.push_back(stop.second);
    chain.insert(chain.end(), links.begin(), links.end());  // links after the table's stops
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    // Keyboard focus starts on the first control in tab order that takes focus. A window whose
    // only stops are links keeps the focus itself, so that no link is taken by Enter unseen.
    const auto first = std::find_if(tabStops.begin(), tabStops.end(), [](const auto& stop) {
        return bool(stop.second->focusPolicy() & Qt::TabFocus);
    });
    if (first != tabStops.end()) {
        first->second->setFocus();
    } else if (!links.empty()) {
        window->setFocus();
    }
    sizing->start();
}

}  // namespace ui
