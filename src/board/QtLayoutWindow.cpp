#include "board/QtLayoutWindow.h"

#include "widgets/Element.h"
#include "widgets/ElementKind.h"

#include <QWidget>

QtLayoutWindow::QtLayoutWindow(QWidget *window, const QList<QObject *> &elements)
    : m_window(window)
{
    m_elements.reserve(elements.size());
    for (QObject *element : elements)
        m_elements.append(element);
}

QObject *QtLayoutWindow::elementAt(int index) const
{
    return index >= 0 && index < m_elements.size() ? m_elements[index].data() : nullptr;
}

int QtLayoutWindow::elementCount() const
{
    return int(m_elements.size());
}

QString QtLayoutWindow::kindOf(int index) const
{
    return ElementKind::of(elementAt(index));
}

double QtLayoutWindow::property(int index, const char *name) const
{
    const QObject *element = elementAt(index);
    if (!element)
        return 0;
    bool numeric = false;
    const double value = element->property(name).toDouble(&numeric);
    return numeric ? value : 0;
}

void QtLayoutWindow::setProperty(int index, const char *name, double value)
{
    QObject *element = elementAt(index);
    if (element && element->metaObject()->indexOfProperty(name) >= 0)
        element->setProperty(name, value);
}

bool QtLayoutWindow::isMinimized() const
{
    return m_window && m_window->isMinimized();
}

// The client area, not the outer size with frame and title bar: Qt knows it before the window is first
// shown (the board records its layout while loading), and recording and rescaling measure alike.
double QtLayoutWindow::widthTwips() const
{
    return m_window ? double(m_window->width()) * Element::TwipsPerPixel : 0;
}

double QtLayoutWindow::heightTwips() const
{
    return m_window ? double(m_window->height()) * Element::TwipsPerPixel : 0;
}

void QtLayoutWindow::beginUpdate()
{
    if (!m_window)
        return;
    m_updatesWereEnabled = m_window->updatesEnabled();
    m_window->setUpdatesEnabled(false);
}

void QtLayoutWindow::endUpdate()
{
    if (!m_window || !m_updatesWereEnabled)
        return;
    m_window->setUpdatesEnabled(true);
    m_window->update();
}
