#include "widgets/CommandButton.h"

#include <QStyle>
#include <QStyleOptionButton>

CommandButton::CommandButton(QWidget *parent)
    : QPushButton(parent)
    , TwipsGeometry(this)
    , m_captionFit(this)
{
}

void CommandButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    // Design texts are set before the first show, which delivers the pending resize.
    QStyleOptionButton option;
    initStyleOption(&option);
    m_captionFit.fit(text(), style()->subElementRect(QStyle::SE_PushButtonContents, &option, this));
}
