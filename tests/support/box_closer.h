#pragma once
// Closes each message box the program opens, with a click on its button (the given one where
// the box has it), remembering how the box looked: for tests that go through the real boxes.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <vector>

namespace testing_support {

struct SeenBox {
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;  // without the invisible break points the box may add
    int buttons = 0;
    Qt::TextFormat format = Qt::AutoText;
    QRect frame;              // on the screen
    QRect okButton;           // the button clicked, on the screen
    QRect screen;             // the screen's available area
    QString rawText;          // as the box holds it
    bool selectable = false;  // its text can be marked with the mouse
    QImage image;             // the box as drawn
};

class BoxCloser : public QObject {
  public:
    explicit BoxCloser(QMessageBox::StandardButton answer = QMessageBox::Ok) : answer_(answer) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }
    const std::vector<SeenBox>& seen() const { return seen_; }

  private:
    void poll() {
        for (QWidget* const w : QApplication::topLevelWidgets()) {
            auto* const box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            QAbstractButton* const ok =
                box->button(answer_) ? box->button(answer_) : box->button(QMessageBox::Ok);
            seen_.push_back({box->windowTitle(), box->icon(),
                             QString(box->text()).remove(QChar(0x200B)), int(box->buttons().size()),
                             box->textFormat(), box->frameGeometry(),
                             QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size()),
                             box->screen()->availableGeometry(), box->text(),
                             bool(box->textInteractionFlags() & Qt::TextSelectableByMouse),
                             box->grab().toImage()});
            QTest::mouseClick(ok, Qt::LeftButton);
        }
    }
    const QMessageBox::StandardButton answer_;
    QTimer timer_;
    std::vector<SeenBox> seen_;
};

}  // namespace testing_support
