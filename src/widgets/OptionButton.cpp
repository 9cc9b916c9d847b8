#include "widgets/OptionButton.h"

#include <QStyle>
#include <QStyleOptionButton>

OptionButton::OptionButton(QWidget *parent)
    : QRadioButton(parent)
    , TwipsGeometry(this)
    , m_captionFit(this)
{
}

void OptionButton::resizeEvent(QResizeEvent *event)
{
    QRadioButton::resizeEvent(event);
    // Design texts are set before the first show, which delivers the pending resize.
    QStyleOptionButton option;
    initStyleOption(&option);
    m_captionFit.fit(text(), style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this));
}
