#pragma once
// The view keys every entity by its id (a point id plus 1000000, a domain as
// 4000000 + section id * 1000 + domain id, ...), so ids of the keyed kinds must
// stay below fixed bounds. Groups and UCSs only need their counter to fit in an
// int. Every creating command checks, before it changes anything, that the ids
// it will issue fit.

#include <string>

enum class IdKind { Point, Curve, ClosedLoop, Section, Domain, Ucs, Group };

// Exclusive upper bound of the ids of the kind.
int IdUpperBound(IdKind kind);

// The refusal to show when newIdCount ids issued from nextId would reach the
// bound; empty when they fit.
std::string IdLimitRefusal(IdKind kind, int nextId, int newIdCount);
