#include "widgets/TextBox.h"

TextBox::TextBox(QWidget *parent)
    : QLineEdit(parent)
    , TwipsGeometry(this)
{
}
