#include "dialogs/DesignedDialog.h"

#include "widgets/DesignBuilder.h"
#include "widgets/DesignFont.h"
#include "widgets/Element.h"

using namespace Qt::StringLiterals;

DesignedDialog::DesignedDialog(const WindowDesign &design, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
{
    setWindowTitle(design.caption);
    setFixedSize(Element::twipsToPixels(design.clientWidth), Element::twipsToPixels(design.clientHeight));
    setFont(DesignFont::font(u"Arial"_s, 8.25));
}

void DesignedDialog::buildElements(const WindowDesign &design, DesignBuilder &builder)
{
    // Translated here, where the window has its name, the context of its design's texts.
    setWindowTitle(DesignBuilder::translated(objectName(), design.caption));
    builder.build(this, design.elements);
    Q_ASSERT_X(builder.errors().isEmpty(), "DesignedDialog", qPrintable(builder.errors().join(u'\n')));
}

void DesignedDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Qt's own placement guesses the owner's frame and misses on frameless owners such as the splash;
    // the client area goes over the middle of the owner instead. move() places the frame.
    if (const QWidget *owner = parentWidget()) {
        const QPoint middle = owner->window()->frameGeometry().center();
        const QPoint frameOffset = geometry().topLeft() - frameGeometry().topLeft(); // when already known
        move(middle - QPoint(width() / 2, height() / 2) - frameOffset);
    }
}
