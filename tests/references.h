#pragma once

// What a handler leaves behind on a window object: nothing, every reference released again.

#include "runtime/core/form.h"

#include <QString>

// Empty when the window and each of its controls hold their one reference; else which does not.
inline QString referencesTaken(const runtime::Form& form) {
    if (form.refCount() != 1)
        return QString("the window holds %1 references").arg(form.refCount());
    for (const runtime::Ref<runtime::Control>& c : form.controls())
        if (c->refCount() != 1)
            return QString("%1 holds %2 references").arg(c->displayName().c_str()).arg(c->refCount());
    return {};
}
