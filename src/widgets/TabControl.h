#pragma once

#include "widgets/Element.h"

class QStyleOptionTab;
class TabPage;

// A tabbed container: a row of tabs across its top, one per page, of equal width unless a caption would
// not fit, and the page of the selected tab beneath; the other pages are hidden. The tabs are drawn with
// the platform style. A click on a tab or, with the focus, the left and right arrow keys select another
// page; as in every Qt tab dialog, Ctrl+Tab and Ctrl+PgDown select the next page and Ctrl+Shift+Tab and
// Ctrl+PgUp the previous one, round the ends, wherever the focus is in the window. Tab is the selected
// page's index.
class TabControl : public Element
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "TabControl")
    Q_PROPERTY(int Tab READ currentTab WRITE setCurrentTab)

public:
    explicit TabControl(QWidget *parent = nullptr);

    // Adds a page, which must be a child of this control, as the last tab.
    void addPage(TabPage *page);
    int count() const { return int(m_pages.size()); }
    int currentTab() const { return m_current; }
    // An index outside the pages is taken to the nearest page.
    void setCurrentTab(int index);
    QRect tabRect(int index) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int stripHeight() const;
    QList<int> tabWidths() const;
    QStyleOptionTab tabOption(int index) const;
    void showCurrentPage();
    void stepPage(int step);

    QList<TabPage *> m_pages;
    int m_current = 0;
};
