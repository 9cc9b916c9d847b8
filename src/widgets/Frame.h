#pragma once

#include "widgets/TwipsGeometry.h"

#include <QGroupBox>

// A group frame of a dialog: Qt's group box placed in twips, its caption in the Qt property "title". The
// elements it holds are placed relative to its top-left corner. It is drawn as the designs expect a frame:
// the caption at the frame's top and the frame's top line through the middle of the caption, so that
// elements placed a caption's height below the top lie inside the frame. Qt's styles would put the line
// below the caption instead, through those elements. A caption too long for the frame is drawn smaller.
class Frame : public QGroupBox, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "Frame")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit Frame(QWidget *parent = nullptr);

    // Where the caption and the top line are drawn, in pixels from the frame's top-left corner.
    QRect captionRect() const;
    QFont captionFont() const;
    int lineTop() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};
