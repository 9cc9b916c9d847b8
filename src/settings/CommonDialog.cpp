#include "CommonDialog.h"

CommonDialog::CommonDialog(QObject *parent)
    : QObject(parent)
{
}
