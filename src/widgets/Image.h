#pragma once

#include "widgets/Element.h"

#include <QImage>

// A windowless picture. A picture given while stretching is off brings its natural size; with
// stretching on, the picture is drawn scaled to the element's own size, smoothly at any scale (a picture
// drawn at less than half its size is first scaled down with area averaging, once per size, so that fine
// detail such as text stays readable in a small preview). Clicks pass through to the container.
class Image : public Element
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "Image")
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)

public:
    explicit Image(QWidget *parent = nullptr);

    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void takeNaturalSize();
    const QImage &shownPicture(QSize target);

    QImage m_picture;
    // m_picture scaled down to the size it was last drawn at, when that is less than half its own.
    QImage m_scaled;
    bool m_stretch = false;
};
