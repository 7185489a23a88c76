#include "model/IdLimits.h"

#include "model/TextFormat.h"

#include <climits>
#include <cstdint>

namespace {

const char* KindName(IdKind kind)
{
    switch (kind) {
    case IdKind::Point: return "point";
    case IdKind::Curve: return "curve";
    case IdKind::ClosedLoop: return "closed loop";
    case IdKind::Section: return "section";
    case IdKind::Domain: return "domain";
    case IdKind::Ucs: return "UCS";
    case IdKind::Group: return "group";
    }
    return "";
}

// Domain ids are issued per section, every other kind per project.
const char* IdOwnerName(IdKind kind)
{
    return kind == IdKind::Domain ? "section" : "project";
}

} // namespace

int IdUpperBound(IdKind kind)
{
    switch (kind) {
    case IdKind::Section:
    case IdKind::Domain: return 1000;
    case IdKind::Ucs:
    case IdKind::Group: return INT_MAX;
    case IdKind::Point:
    case IdKind::Curve:
    case IdKind::ClosedLoop: break;
    }
    return 1000000;
}

std::string IdLimitRefusal(IdKind kind, int nextId, int newIdCount)
{
    const std::int64_t bound = IdUpperBound(kind);
    if (newIdCount <= 0 || std::int64_t{nextId} + newIdCount <= bound)
        return {};

    const int usableIds = static_cast<int>(bound - 1);
    const std::int64_t idsLeft = nextId < bound ? bound - nextId : 0;
    const char* kindName = KindName(kind);
    const std::string request = newIdCount == 1
        ? FormatText("Cannot create a new %s", kindName)
        : FormatText("Cannot create %d new %ss", newIdCount, kindName);
    if (idsLeft == 0)
        return request + FormatText(": the %s has used all %d %s ids.", IdOwnerName(kind), usableIds, kindName);
    return request + FormatText(": the %s has only %d of its %d %s ids left.", IdOwnerName(kind),
                                static_cast<int>(idsLeft), usableIds, kindName);
}
