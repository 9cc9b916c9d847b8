#pragma once

#include "widgets/Element.h"

class QStyleOptionTab;
class TabPage;

// A tabbed container: a row of tabs across its top, one per page, of equal width unless a caption would
// not fit (and more rows of equal tabs when the captions need more than the width), and the page of the
// selected tab beneath; the other pages are hidden. The tabs are drawn with
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
    // Tabs whose captions do not fit one row take more rows, and the pages move down by this many pixels
    // for the rows beyond the first; a window that holds the control grows by as much.
    int rowCount() const;
    int extraRowsHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int rowHeight() const;
    int stripHeight() const;
    QList<int> neededWidths() const;
    int tabsPerRow(int rows) const;
    QList<int> tabWidths() const;
    void placePages();
    QStyleOptionTab tabOption(int index) const;
    void showCurrentPage();
    void stepPage(int step);

    QList<TabPage *> m_pages;
    int m_current = 0;
};
