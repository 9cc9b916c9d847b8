#pragma once

#include "widgets/ElementDesign.h"

// The design of a whole window: its caption, the size of its client area in twips and its elements.
struct WindowDesign
{
    QString caption;
    int clientWidth = 0;
    int clientHeight = 0;
    QList<ElementDesign> elements;
};
