#include "ui/form.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <exception>

#include "ui/controls.h"
#include "ui/desktop.h"
#include "ui/fonts.h"
#include "ui/screen_placement.h"
#include "ui/table_error.h"
#include "ui/window_text.h"

namespace ui {

namespace {

// The frame of a Windows window around its client area, used to turn a designed outer size
// into a client size before the desktop has framed the window.
constexpr QSize kAssumedFrame{16, 39};

Qt::WindowFlags frameFlags(bool resizable) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                            Qt::WindowCloseButtonHint;
    if (resizable) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

}  // namespace

Form::Form(const FormSpec& spec, Desktop& desktop) : spec_(spec), desktop_(desktop) {
    setObjectName(QString::fromLatin1(spec.name));
    setWindowFlags(frameFlags(spec.resizable));
    setWindowTitle(windowText(spec.name, spec.caption));
    setFont(makeFont(spec.windowFont));
    if (spec.background) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, *spec.background);
        setPalette(pal);
        setAutoFillBackground(true);
    }
    const QSize client = spec.sizeIs == SizeIs::Outer ? spec.size - kAssumedFrame : spec.size;
    if (spec.resizable) {
        resize(client);
    } else {
        setFixedSize(client);
    }
    move(spec.position);
}

QPoint Form::firstPosition(const QSize& frame) const {
    const QScreen* const screen = screenForFirstShow();
    if (!screen) return spec_.position;
    return placeOnScreen(QRect(spec_.position, frame), screen->availableGeometry());
}

QSize Form::expectedFrameSize() const {
    if (spec_.sizeIs == SizeIs::Outer) return spec_.size;
    const QSize frame = frameGeometry().size() - geometry().size();
    return size() + (frame.isNull() ? kAssumedFrame : frame);
}

const QScreen* Form::screenForFirstShow() const {
    const QScreen* screen = QGuiApplication::screenAt(spec_.position);
    return screen ? screen : this->screen();
}

void Form::fitOntoScreen() {
    const QScreen* const screen = screenForFirstShow();
    if (!screen || screen->availableGeometry().isEmpty()) return;
    const QSize room = screen->availableGeometry().size() - (expectedFrameSize() - size());
    const QSize designed = size();
    if (designed.width() <= room.width() && designed.height() <= room.height()) return;
    // Sized and named as on any first show, while the controls are still the window's own.
    layOutTexts(this);
    QWidget* const focused = focusWidget();
    QList<QWidget*> tabOrder;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w)) tabOrder << w;
    }
    // The designed client area as it is, controls in their stacking order, inside a scroll
    // area that fills the window.
    auto* const content = new QWidget;
    content->setObjectName(QStringLiteral("Content"));
    content->setAutoFillBackground(true);
    content->setFixedSize(designed);
    for (QWidget* const child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const bool hidden = child->isHidden();
        const QRect geometry = child->geometry();
        child->setParent(content);
        child->setGeometry(geometry);
        child->setVisible(!hidden);
    }
    auto* const area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(content);
    auto* const layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    // Moved controls keep their order in the tab chain, and the one that had the focus keeps it.
    for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
    if (focused) focused->setFocus();
    // As large as the room allows: the designed size, and a scroll bar's width more each way
    // that needs one.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize fitted = designed;
    const bool tall = designed.height() > room.height();
    const bool wide = designed.width() + (tall ? bar : 0) > room.width();
    if (tall) fitted.rwidth() += bar;
    if (wide) fitted.rheight() += bar;
    fitted = fitted.boundedTo(room);
    if (spec_.resizable) {
        resize(fitted);
    } else {
        setFixedSize(fitted);
    }
    scrolled_ = true;
}

void Form::placeFirstTime() {
    move(firstPosition(expectedFrameSize()));
    framePending_ = true;
    applyFrame();
}

// Once the desktop has framed the window, which may be well after show() returns, the designed
// outer size and position are those of the frame, and the real frame decides whether the
// window fits on the screen.
void Form::applyFrame() {
    if (!framePending_) return;
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isNull()) return;
    framePending_ = false;
    if (spec_.sizeIs == SizeIs::Outer && !scrolled_) resize(spec_.size - frame);
    const QPoint position = firstPosition(expectedFrameSize());
    if (spec_.sizeIs == SizeIs::Outer || frameGeometry().topLeft() != position) move(position);
}

bool Form::event(QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) applyFrame();
    return QWidget::event(event);
}

void Form::Show() {
    const bool first = !shownBefore_;
    shownBefore_ = true;
    if (first) fitOntoScreen();
    if (first) move(firstPosition(expectedFrameSize()));
    if (isMinimized()) showNormal();
    show();
    if (first) placeFirstTime();
    raise();
    activateWindow();
}

void Form::Close() { close(); }

void Form::closeEvent(QCloseEvent* event) {
    event->accept();
    if (endProgram_) endProgram_();
}

void Form::setMainWindowAction(std::function<void()> endProgram) {
    endProgram_ = std::move(endProgram);
}

void Form::setHandler(const QString& name, std::function<void()> handler) {
    handlers_[name] = std::move(handler);
}

bool Form::hasHandler(const QString& name) const { return handlers_.contains(name); }

void Form::invoke(const QString& name) {
    const auto it = handlers_.find(name);
    if (it == handlers_.end()) return;
    try {
        it->second();
    } catch (const std::exception& e) {
        desktop_.showError(QString::fromUtf8(e.what()));
    } catch (...) {
        desktop_.showError(QString());
    }
}

void Form::connectClick(const QString& controlName, const QString& handlerName) {
    QWidget* const widget = control(controlName);
    if (!widget) throw TableError(objectName(), QStringLiteral("control ") + controlName);
    if (auto* const button = qobject_cast<QAbstractButton*>(widget)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, handlerName] { invoke(handlerName); });
    } else if (auto* const label = qobject_cast<Label*>(widget)) {
        connect(label, &Label::clicked, this, [this, handlerName] { invoke(handlerName); });
    } else if (auto* const picture = qobject_cast<PictureBox*>(widget)) {
        connect(picture, &PictureBox::clicked, this, [this, handlerName] { invoke(handlerName); });
    }
}

}  // namespace ui
