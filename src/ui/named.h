// Windows and their controls are found by the names they were designed with.
#pragma once

#include <QLatin1String>

namespace ui {

/// \a object, named \a name; for building a control and naming it in one expression.
template <typename Object>
Object *named(Object *object, const char *name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace ui
