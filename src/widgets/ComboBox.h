#pragma once

#include "widgets/TwipsGeometry.h"

#include <QComboBox>

// A drop-down list of a dialog: Qt's own combo box placed in twips, its entries given as the property
// Items. The selection is Qt's "currentIndex". Each entry keeps the text it was given as its data (Qt's
// "currentData"), which stays the same when the shown text is translated.
class ComboBox : public QComboBox, public TwipsGeometry
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "ComboBox")
    Q_PROPERTY(double Left READ leftTwips WRITE setLeftTwips)
    Q_PROPERTY(double Top READ topTwips WRITE setTopTwips)
    Q_PROPERTY(double Width READ widthTwips WRITE setWidthTwips)
    Q_PROPERTY(double Height READ heightTwips WRITE setHeightTwips)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)

public:
    explicit ComboBox(QWidget *parent = nullptr);

    QStringList items() const;
    // Replaces every entry; the first one is then selected.
    void setItems(const QStringList &items);
};
