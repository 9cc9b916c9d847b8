#pragma once

#include "board/LayoutWindow.h"

#include <QList>
#include <QPointer>

class QObject;
class QWidget;

// The layout engine's view of a Qt window: its elements in design order, told apart by their declared
// kind and reached through their Qt properties by name. It measures the window by its client area and
// suspends the window's updates while the engine writes. Elements deleted in the meantime read as
// elements without kind or properties.
class QtLayoutWindow : public LayoutWindow
{
public:
    QtLayoutWindow(QWidget *window, const QList<QObject *> &elements);

    int elementCount() const override;
    QString kindOf(int index) const override;
    double property(int index, const char *name) const override;
    // Writes only properties the element declares, so that a stray name never adds a dynamic property.
    void setProperty(int index, const char *name, double value) override;

    bool isMinimized() const override;
    double widthTwips() const override;
    double heightTwips() const override;

    // Leaves updates suspended at the end if someone else had suspended them before.
    void beginUpdate() override;
    void endUpdate() override;

private:
    QObject *elementAt(int index) const;

    QPointer<QWidget> m_window;
    QList<QPointer<QObject>> m_elements;
    bool m_updatesWereEnabled = true;
};
