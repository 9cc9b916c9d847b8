#pragma once

#include "widgets/Element.h"

// A windowed container: it paints its background colour, clips its children, can hold the keyboard
// focus and reports the keys pressed while it has it as virtual-key codes. BorderStyle 1 gives it a
// sunken frame, as a dialog's colour swatch has.
//
// It fills its whole area but does not tell Qt so: Qt paints a widget it counts as opaque, when it is
// marked for repainting before the elements in it, once alone and once more with them. The board leaves
// the boxes' areas out of its own background instead.
//
// A click on the box, or on an image, shape or line in it, gives it the focus; a click on one of its
// labels does not. Qt's click focus cannot tell the two apart (it hands the focus to the nearest
// ancestor that takes it, whichever child was clicked), so the box takes the focus itself when a click
// reaches it, and its focus policy leaves Qt's click focus out (focusPolicyFor).
class PictureBox : public Element
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "PictureBox")
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The Qt focus policy of a box that Tab visits, or of one that only a click gives the focus to.
    static Qt::FocusPolicy focusPolicyFor(bool tabStop);

    int backColor() const { return m_backColor; }
    void setBackColor(int color);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

signals:
    void KeyDown(qint16 &keyCode, int shift);
    void KeyUp(qint16 keyCode, int shift);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    int m_backColor = 0;
    int m_borderStyle = 0;
};
