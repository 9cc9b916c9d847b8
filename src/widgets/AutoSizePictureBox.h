#pragma once

#include "widgets/PictureBox.h"

#include <QImage>

// A picture box that shows a picture at its top-left corner and takes the picture's size, as the
// splash's logo box does. Its kind is still PictureBox. Without a picture it keeps its design size.
class AutoSizePictureBox : public PictureBox
{
    Q_OBJECT

public:
    explicit AutoSizePictureBox(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
