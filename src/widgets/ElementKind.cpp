#include "widgets/ElementKind.h"

#include <QMetaClassInfo>
#include <QObject>

namespace ElementKind {

QString of(const QObject *element)
{
    if (!element)
        return {};
    const QMetaObject *meta = element->metaObject();
    const int index = meta->indexOfClassInfo("Kind");
    return index < 0 ? QString() : QString::fromLatin1(meta->classInfo(index).value());
}

} // namespace ElementKind
