#include "widgets/Frame.h"

Frame::Frame(QWidget *parent)
    : QGroupBox(parent)
    , TwipsGeometry(this)
{
}
