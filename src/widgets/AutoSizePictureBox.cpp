#include "widgets/AutoSizePictureBox.h"

#include <QPainter>

AutoSizePictureBox::AutoSizePictureBox(QWidget *parent)
    : PictureBox(parent)
{
}

void AutoSizePictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    if (!m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        setWidthTwips(size.width() * TwipsPerPixel);
        setHeightTwips(size.height() * TwipsPerPixel);
    }
    update();
}

void AutoSizePictureBox::paintEvent(QPaintEvent *event)
{
    PictureBox::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}
