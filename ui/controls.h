#pragma once
// The controls that windows are made of, and the one routine that builds a window's controls
// from its table.

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>

#include "ui/form_spec.h"

namespace ui {

// A click is a press and a release of the left button on the control. The second press of a
// double-click is no click, so a double-clicked link opens its page once.
class ClickTracker {
  public:
    void press(const QMouseEvent& event);
    bool release(const QMouseEvent& event, const QRect& area);  // true: that was a click

  private:
    bool pressed_ = false;
};

// A label that reports clicks, mouse moves over it and the mouse leaving it.
class Label : public QLabel {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent = nullptr);
  signals:
    void clicked();
    void mouseMoved();
    void mouseLeft();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    ClickTracker tracker_;
};

// A picture drawn unscaled from the box's top-left corner and clipped to the box.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    // Makes the picture; a null image leaves the box empty.
    using ImageSource = std::function<QImage()>;

    explicit PictureBox(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    // The picture is made from the source when the box is shown (before its window appears) or
    // asked for its image, and let go when the box is hidden, so that hidden windows hold no
    // decoded pictures. A source that gives a null image is not asked again.
    void setImageSource(ImageSource source);
    const QImage& image() const;
  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    mutable QImage image_;
    ImageSource source_;
    mutable bool made_ = false;  // image_ holds what the source made (null: it failed)
    ClickTracker tracker_;
};

// Makes the widget of a Custom row; the table builder places it and sets its name.
using CustomFactory = std::function<QWidget*(QWidget* parent, const ControlSpec& spec)>;

// Creates every control of the table on the window in table order (a later row is drawn over
// an earlier one where they overlap), with geometry, text, font, cursor and tab order.
void buildControls(QWidget* window, const ControlTable& table, const CustomFactory& custom = {});

}  // namespace ui
