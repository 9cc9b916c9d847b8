#pragma once

#include <QList>
#include <QString>
#include <QVariant>

// One row of a window's design table: an element's name, kind, container and the design values of
// its properties (geometry in twips, texts, fonts, colours, LED settings), set by name in the order
// given. The table's row order is the window's stable element order.
struct DesignProperty
{
    const char *name;
    QVariant value;
};

// The four geometry properties of a design row, in twips.
inline QList<DesignProperty> twipsGeometry(int left, int top, int width, int height)
{
    return {{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}};
}

struct ElementDesign
{
    enum class Focus {
        None, // cannot hold the focus
        TabStop, // visited by Tab, also takes the focus when clicked
        ClickOnly, // takes the focus only when clicked
    };

    QString name;
    QString kind;
    QString container; // empty: the window itself
    QList<DesignProperty> properties;
    int tabIndex = -1;
    Focus focus = Focus::None;
};
