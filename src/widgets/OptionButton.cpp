#include "widgets/OptionButton.h"

OptionButton::OptionButton(QWidget *parent)
    : QRadioButton(parent)
    , TwipsGeometry(this)
{
}
