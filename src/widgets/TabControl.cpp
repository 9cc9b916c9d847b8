#include "widgets/TabControl.h"

#include "widgets/TabPage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include <algorithm>

TabControl::TabControl(QWidget *parent)
    : Element(parent)
{
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        new QShortcut(keys, this, [this] { stepPage(1); });
    // Shift+Tab arrives as Backtab; Qt's shortcuts match it to Shift+Tab.
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        new QShortcut(keys, this, [this] { stepPage(-1); });
}

void TabControl::stepPage(int step)
{
    if (count() > 1)
        setCurrentTab((m_current + step + count()) % count());
}

void TabControl::addPage(TabPage *page)
{
    m_pages.append(page);
    placePages();
    showCurrentPage();
    update();
}

void TabControl::placePages()
{
    // A page's elements are laid out below one row of tabs; further rows push the page down.
    const double below = extraRowsHeight() * TwipsPerPixel;
    for (TabPage *page : std::as_const(m_pages))
        page->setTwipsGeometry(0, below, widthTwips(), heightTwips() - below);
}

void TabControl::setCurrentTab(int index)
{
    const int page = m_pages.isEmpty() ? 0 : std::clamp(index, 0, count() - 1);
    if (page == m_current)
        return;
    m_current = page;
    showCurrentPage();
    update();
}

void TabControl::showCurrentPage()
{
    for (int i = 0; i < count(); ++i)
        m_pages[i]->setVisible(i == m_current);
}

int TabControl::rowHeight() const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    const int textHeight = fontMetrics().height() + style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option, QSize(0, textHeight), this).height();
}

int TabControl::stripHeight() const
{
    return rowCount() * rowHeight();
}

int TabControl::extraRowsHeight() const
{
    return (rowCount() - 1) * rowHeight();
}

QList<int> TabControl::neededWidths() const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    // As a tab bar measures its tabs.
    const int space = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    QList<int> needed;
    for (const TabPage *page : m_pages) {
        const QSize text(fontMetrics().horizontalAdvance(page->caption()) + space, fontMetrics().height());
        needed.append(style()->sizeFromContents(QStyle::CT_TabBarTab, &option, text, this).width());
    }
    return needed;
}

int TabControl::rowCount() const
{
    if (m_pages.isEmpty())
        return 1;
    const QList<int> needed = neededWidths();
    int total = 0;
    for (const int tab : needed)
        total += tab;
    if (total <= width())
        return 1;
    // As few rows as let every tab of equal width show its caption.
    const int widest = *std::max_element(needed.cbegin(), needed.cend());
    int rows = 2;
    while (rows < count() && widest * tabsPerRow(rows) > width())
        ++rows;
    return rows;
}

int TabControl::tabsPerRow(int rows) const
{
    return (count() + rows - 1) / rows;
}

QRect TabControl::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    const int rows = rowCount();
    if (rows == 1) {
        const QList<int> widths = tabWidths();
        int left = 0;
        for (int i = 0; i < index; ++i)
            left += widths[i];
        return QRect(left, 0, widths[index], rowHeight());
    }
    // Rows of equal tabs across the whole width, as a multi-row tab dialog has them; the row of the
    // selected tab moves next to the page and the others keep their order above it.
    const int perRow = tabsPerRow(rows);
    const int row = index / perRow;
    const int first = row * perRow;
    const int inRow = std::min(perRow, count() - first);
    const int shown = (row - m_current / perRow + rows - 1 + rows) % rows;
    const int left = width() * (index - first) / inRow;
    const int right = width() * (index - first + 1) / inRow;
    return QRect(left, shown * rowHeight(), right - left, rowHeight());
}

QList<int> TabControl::tabWidths() const
{
    const QList<int> needed = neededWidths();
    // Equal shares while every caption fits one; otherwise each tab its caption's width and an equal part
    // of what is left. The last tab takes what the division leaves.
    const bool equal = *std::max_element(needed.cbegin(), needed.cend()) * count() <= width();
    int spare = width();
    if (!equal) {
        for (const int tab : std::as_const(needed))
            spare -= tab;
    }
    const int share = std::max(spare, 0) / count();
    QList<int> widths;
    int used = 0;
    for (int i = 0; i < count(); ++i) {
        widths.append((equal ? 0 : needed[i]) + share);
        used += widths.last();
    }
    widths.last() += std::max(width() - used, 0);
    return widths;
}

QStyleOptionTab TabControl::tabOption(int index) const
{
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.rect = tabRect(index);
    option.text = m_pages[index]->caption();
    option.state &= ~QStyle::State_HasFocus;
    if (count() == 1)
        option.position = QStyleOptionTab::OnlyOneTab;
    else if (index == 0)
        option.position = QStyleOptionTab::Beginning;
    else if (index == count() - 1)
        option.position = QStyleOptionTab::End;
    else
        option.position = QStyleOptionTab::Middle;
    if (index == m_current)
        option.state |= QStyle::State_Selected;
    if (index == m_current - 1)
        option.selectedPosition = QStyleOptionTab::NextIsSelected;
    else if (index == m_current + 1)
        option.selectedPosition = QStyleOptionTab::PreviousIsSelected;
    return option;
}

void TabControl::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const int strip = stripHeight();
    QStyleOptionTabWidgetFrame pane;
    pane.initFrom(this);
    pane.shape = QTabBar::RoundedNorth;
    pane.tabBarSize = QSize(width(), strip);
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, &pane, this);
    pane.rect = QRect(0, strip - overlap, width(), height() - strip + overlap);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, pane);
    if (m_pages.isEmpty())
        return;
    // Styles paint a selected tab beyond its own rectangle, expecting a tab bar's bounds to clip it.
    painter.setClipRect(QRect(0, 0, width(), strip));
    // The selected tab last, so that it stands in front of its neighbours.
    for (int i = 0; i < count(); ++i) {
        if (i != m_current)
            painter.drawControl(QStyle::CE_TabBarTab, tabOption(i));
    }
    const QStyleOptionTab selected = tabOption(m_current);
    painter.drawControl(QStyle::CE_TabBarTab, selected);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(selected);
        focus.rect = style()->subElementRect(QStyle::SE_TabBarTabText, &selected, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

void TabControl::resizeEvent(QResizeEvent *)
{
    placePages();
}

void TabControl::mousePressEvent(QMouseEvent *event)
{
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(event->position().toPoint())) {
            setCurrentTab(i);
            if (focusPolicy() & Qt::ClickFocus)
                setFocus(Qt::MouseFocusReason);
            event->accept();
            return;
        }
    }
    event->ignore();
}

void TabControl::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Left && m_current > 0)
        setCurrentTab(m_current - 1);
    else if (event->key() == Qt::Key_Right && m_current + 1 < count())
        setCurrentTab(m_current + 1);
    else
        Element::keyPressEvent(event);
}
