#include "widgets/CommandButton.h"

CommandButton::CommandButton(QWidget *parent)
    : QPushButton(parent)
    , TwipsGeometry(this)
{
}
