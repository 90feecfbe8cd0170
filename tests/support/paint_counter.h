#pragma once
// Counts the paint events a widget receives, seen from outside it; it may go before or after the
// widget.

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace testing_support {

class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int count() const { return count_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count_;
        return false;
    }

  private:
    int count_ = 0;
};

}  // namespace testing_support
