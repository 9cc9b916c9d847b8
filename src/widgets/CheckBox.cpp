#include "widgets/CheckBox.h"

#include <QStyle>
#include <QStyleOptionButton>

CheckBox::CheckBox(QWidget *parent)
    : QCheckBox(parent)
    , TwipsGeometry(this)
    , m_captionFit(this)
{
}

void CheckBox::resizeEvent(QResizeEvent *event)
{
    QCheckBox::resizeEvent(event);
    // Design texts are set before the first show, which delivers the pending resize.
    QStyleOptionButton option;
    initStyleOption(&option);
    m_captionFit.fit(text(), style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this));
}
