#pragma once

#include "widgets/Label.h"

// A line of text the board shows over its design, such as the rules assistance's marker and question:
// drawn like a label, but of a kind of its own, so that it stays on top of the fields instead of
// beneath them like the design's labels, and the passes that walk the design's labels leave it alone.
class BoardNotice : public Label
{
    Q_OBJECT
    Q_CLASSINFO("Kind", "BoardNotice")

public:
    explicit BoardNotice(QWidget *parent = nullptr);
};
