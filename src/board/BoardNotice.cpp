#include "board/BoardNotice.h"

BoardNotice::BoardNotice(QWidget *parent)
    : Label(parent)
{
}
