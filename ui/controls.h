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
    // A link is reached with Tab, shows a focus mark and is clicked with Enter or Space; screen
    // readers are told it is a link. Its text is drawn as a plain label's, pixel for pixel.
    Label(const QString& text, QWidget* parent, bool link = false);
    bool isLink() const { return link_; }
    void click() { emit clicked(); }

  signals:
    void clicked();
    void mouseMoved();
    void mouseLeft();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    const bool link_;
    ClickTracker tracker_;
};

// A picture drawn unscaled from the box's top-left corner and clipped to the box.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    // Makes the picture; a null image leaves the box empty.
    using ImageSource = std::function<QImage()>;

    // A link is reached with Tab, shows a focus mark and is clicked with Enter or Space; screen
    // readers are told it is a link, otherwise a picture.
    explicit PictureBox(QWidget* parent = nullptr, bool link = false);
    // The picture is made from the source when the box is shown (before its window appears),
    // or asked for its image, and let go when the box is hidden. A source that gives a null
    // image is not asked again.
    void setImageSource(ImageSource source);
    const QImage& image() const;
    bool holdsPicture() const;  // a picture made from the source is held now
    bool isLink() const;
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
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
// an earlier one where they overlap), with geometry, text, font, cursor and tab order. Labels
// and pictures with the hand pointer are links: they follow the tab stops of the table, in
// table order. Labels without a designed size are sized to their text, and each field is named
// for screen readers after its prompt (nameFieldsByPrompts), when the window is first shown, or
// earlier by layOutTexts.
void buildControls(QWidget* window, const ControlTable& table, const CustomFactory& custom = {});

// Sizes the window's labels to their texts and names its fields now, as its first show would.
void layOutTexts(QWidget* window);

// Gives every single-line field of the window the accessible name of its prompt: the label that
// stands to its left at about the same height, its lines joined by single spaces. A value label
// ending in "=" ("X1 =") is read together with the prompt above it that has no field of its own.
void nameFieldsByPrompts(QWidget* window);

}  // namespace ui
