#include "widgets/CheckBox.h"

CheckBox::CheckBox(QWidget *parent)
    : QCheckBox(parent)
    , TwipsGeometry(this)
{
}
