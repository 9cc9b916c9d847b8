#pragma once

#include "widgets/WindowDesign.h"

#include <QDialog>

class DesignBuilder;

// Common ground of the program's dialogs: the caption and the fixed client area of its design, a fixed
// border with title bar and close box but no minimize or maximize button, the small Arial font the
// designs were laid out for, and the elements built from the design table. Like every dialog it opens
// centred on its owner and carries the program's icon.
class DesignedDialog : public QDialog
{
    Q_OBJECT

protected:
    DesignedDialog(const WindowDesign &design, QWidget *parent);

    void showEvent(QShowEvent *event) override;

    // Builds the elements of the design; the builder may hold factories for the dialog's own kinds.
    void buildElements(const WindowDesign &design, DesignBuilder &builder);
    template<typename Element> Element *element(const char *name) const
    {
        auto *found = findChild<Element *>(QLatin1String(name));
        Q_ASSERT_X(found, "DesignedDialog", name);
        return found;
    }
};
