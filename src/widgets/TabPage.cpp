#include "widgets/TabPage.h"

TabPage::TabPage(QWidget *parent)
    : Element(parent)
{
}

void TabPage::setCaption(const QString &caption)
{
    m_caption = caption;
    // The control draws the tab strip.
    if (parentWidget())
        parentWidget()->update();
}
