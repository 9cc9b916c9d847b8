#pragma once

#include <QString>

// What the layout engine needs of a window: its elements in one stable order, each with a kind name and
// numeric properties reached by name, the window's size in twips and its minimized state, and a way to
// hold back painting while many properties change. Elements are referred to by their index in that order;
// the window owns them.
class LayoutWindow
{
public:
    virtual ~LayoutWindow();

    virtual int elementCount() const = 0;
    // The element's kind name, compared exactly by the engine; empty for elements without one.
    virtual QString kindOf(int index) const = 0;
    // The property's present value; 0 when the element has no such numeric property.
    virtual double property(int index, const char *name) const = 0;
    virtual void setProperty(int index, const char *name, double value) = 0;

    virtual bool isMinimized() const = 0;
    // The window's size in twips, measured the same way whenever the layout is recorded or rescaled.
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;

    // Suspend painting before a batch of property writes; endUpdate resumes it and repaints once.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
};
