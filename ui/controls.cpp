#include "ui/controls.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "ui/fonts.h"

namespace ui {

Label::Label(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
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

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setImage(const QImage& image) {
    source_ = {};
    image_ = image;
    update();
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
    if (source_ && !image_.isNull()) {
        image_ = QImage();
        made_ = false;
    }
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.drawImage(QPoint(0, 0), image());
}

void PictureBox::mousePressEvent(QMouseEvent* event) { tracker_.press(*event); }

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (tracker_.release(*event, rect())) emit clicked();
}

namespace {

QWidget* makeControl(QWidget* window, const ControlSpec& spec, const CustomFactory& custom) {
    const QString text = QString::fromUtf8(spec.text);
    switch (spec.kind) {
        case ControlKind::Label:
        case ControlKind::WrapLabel: {
            auto* const label = new Label(window);
            label->setText(text);
            label->setTextFormat(Qt::PlainText);
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
            return new PictureBox(window);
        case ControlKind::Custom:
            return custom ? custom(window, spec) : new QWidget(window);
    }
    return nullptr;
}

void place(QWidget* widget, const ControlSpec& spec) {
    const QRect& g = spec.geometry;
    if (spec.kind == ControlKind::Label && (g.width() == 0 || g.height() == 0)) {
        widget->move(g.topLeft());
        widget->adjustSize();  // sizes itself to its text
    } else if (spec.kind == ControlKind::WrapLabel) {
        auto* const label = static_cast<QLabel*>(widget);
        const int height = g.height() > 0 ? g.height() : label->heightForWidth(g.width());
        widget->setGeometry(g.left(), g.top(), g.width(), height);
    } else {
        widget->setGeometry(g);
    }
}

Qt::CursorShape cursorShape(CursorKind kind) {
    return kind == CursorKind::Hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

}  // namespace

void buildControls(QWidget* window, const ControlTable& table, const CustomFactory& custom) {
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlSpec& spec : table) {
        QWidget* const widget = makeControl(window, spec, custom);
        widget->setObjectName(QString::fromLatin1(spec.name));
        if (spec.font) widget->setFont(makeFont(*spec.font));
        if (spec.cursor != CursorKind::Default) widget->setCursor(cursorShape(spec.cursor));
        place(widget, spec);
        widget->raise();  // a later row lies over an earlier one
        if (spec.tabOrder >= 0) tabStops.emplace_back(spec.tabOrder, widget);
    }
    std::stable_sort(tabStops.begin(), tabStops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    }
    // Keyboard focus starts on the first control in tab order that takes focus.
    for (const auto& [order, widget] : tabStops) {
        if (widget->focusPolicy() & Qt::TabFocus) {
            widget->setFocus();
            break;
        }
    }
}

}  // namespace ui
