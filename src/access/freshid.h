#ifndef FRESHID_H
#define FRESHID_H

#include <QAccessible>

// Registers an interface of ours under an id no other object had before.
// The toolkit hands the id of the interface that died last to the next one
// registered. A screen reader that still holds the dead object would take the
// new one for it, with the role and states it cached: a box would speak as
// the value editor closed a moment ago, or not at all. A placeholder takes
// such an id instead, and keeps it until the next registration.
QAccessible::Id registerWithFreshId(QAccessibleInterface *iface);

#endif // FRESHID_H
