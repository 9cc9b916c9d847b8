#pragma once

#include "widgets/TwipsGeometry.h"

#include <QLineEdit>

// A one-line text field of a dialog: Qt's own line edit placed in twips, with "text", "maxLength",
// "alignment" and "font" set through its Qt properties. Enter in it is left to the dialog, which
// presses its default button.
class TextBox : public QLineEdit, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "TextBox")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)

public:
    explicit TextBox(QWidget *parent = nullptr);
};
