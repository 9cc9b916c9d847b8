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
    m_scaled = QImage();
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
    painter.drawImage(rect(), shownPicture((QSizeF(size()) * devicePixelRatioF()).toSize()));
}

// Smooth drawing (bilinear filtering) blends the 2 x 2 source pixels nearest to each drawn pixel; scaled
// down further than half, most of the picture falls between those samples and text breaks up.
const QImage &Image::shownPicture(QSize target)
{
    if (target.isEmpty() || (target.width() * 2 >= m_picture.width() && target.height() * 2 >= m_picture.height()))
        return m_picture;
    if (m_scaled.size() != target)
        m_scaled = m_picture.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_scaled;
}
