#include "dialogs/CommonDialog.h"

CommonDialog::CommonDialog(QObject *parent)
    : QObject(parent)
{
}
