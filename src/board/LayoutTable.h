#pragma once

#include "board/LayoutEntry.h"

#include <QList>

// The layout baseline of a window: one entry per element of a scaled kind, from index 0 upwards, and
// the window's size at record time, in twips. There is one entry more than the window had elements;
// the entries past the recorded ones stay empty.
struct LayoutTable
{
    QList<LayoutEntry> entries;
    qint32 recordedHeight = 0;
    qint32 recordedWidth = 0;

    bool operator==(const LayoutTable &) const = default;
};
