#pragma once

#include <QStringList>

// Where the board and the operator's windows go, from the screens as Qt lists them and the name of the
// screen chosen for the board. With one screen everything shares it and the board is maximized as ever;
// with more, the board fills its screen without a frame and the operator keeps the primary one (or, when
// the board is on the primary, the first other screen).
struct ScreenPlan
{
    int board = 0;
    int operatorScreen = 0;
    bool fullScreen = false;
    // A screen was chosen by name and is not connected: the board is on the primary screen instead.
    bool chosenMissing = false;

    bool operator==(const ScreenPlan &) const = default;

    // chosen empty: the first screen that is not the primary one, since the projector is rarely primary.
    static ScreenPlan choose(const QStringList &screens, int primary, const QString &chosen);
};
