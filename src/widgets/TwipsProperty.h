#pragma once

// Storage rule of the LED and lamp panels' size properties: they hold whole, non-negative twips and are
// written with the unrounded reals of the layout engine.
class TwipsProperty
{
public:
    // Rounds twips half to even and stores it in field, negatives as 0. A value that is not finite or does
    // not fit an int is refused. True when the stored value changed.
    static bool assign(int &field, double twips);
};
