#pragma once

#include <QString>

class QObject;

// The kind name by which the layout, colour and style passes tell elements apart. Each element class
// declares it once as Q_CLASSINFO("Kind", ...); objects without one (plain timers) have the empty kind.
namespace ElementKind {

QString of(const QObject *element);

} // namespace ElementKind
