#pragma once

#include "widgets/Element.h"

#include <QImage>

// A windowless picture. A picture given while stretching is off brings its natural size; with
// stretching on, the picture is drawn scaled to the element's own size. Clicks pass through to the
// container.
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

    QImage m_picture;
    bool m_stretch = false;
};
