#pragma once

#include "widgets/Element.h"

// One page of a tab control: a transparent container covering the whole control, so that what it holds
// is placed relative to the control's top-left corner. Its Caption is the text of its tab. Clicks that
// reach the page itself (on the tab strip) go on to the control.
class TabPage : public Element
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "TabPage")
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    explicit TabPage(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

private:
    QString m_caption;
};
