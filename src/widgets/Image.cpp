#include "widgets/Image.h"

#include <QPainter>

Image::Image(QWidget *parent)
    : Element(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Image::setStretch(bool stretch)
{
    // Turning stretching off keeps the present size; the next picture then brings its natural size.
    m_stretch = stretch;
    update();
}

void Image::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (!m_stretch)
        takeNaturalSize();
    update();
}

void Image::takeNaturalSize()
{
    if (m_picture.isNull())
        return;
    setWidthTwips(double(m_picture.width()) * TwipsPerPixel);
    setHeightTwips(double(m_picture.height()) * TwipsPerPixel);
}

void Image::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}
