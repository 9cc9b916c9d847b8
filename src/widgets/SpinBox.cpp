#include "widgets/SpinBox.h"

SpinBox::SpinBox(QWidget *parent)
    : QSpinBox(parent)
    , TwipsGeometry(this)
{
}
