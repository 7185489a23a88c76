#include "view/EntityKeys.h"

namespace {

constexpr int MAX_ID_PER_BAND = 1000000;

int BaseOf(SceneKind kind)
{
    switch (kind) {
    case KIND_POINT: return POINT_KEY_BASE;
    case KIND_CURVE: return CURVE_KEY_BASE;
    case KIND_SECTION: return SECTION_KEY_BASE;
    case KIND_CLOSED_LOOP: return CLOSED_LOOP_KEY_BASE;
    case KIND_DOMAIN: return DOMAIN_KEY_BASE;
    default: return 0;
    }
}

}  // namespace

int KeyOf(SceneKind kind, int id)
{
    if (kind == KIND_DOMAIN || id < 1 || id >= MAX_ID_PER_BAND)
        return 0;
    return BaseOf(kind) + id;
}

int PointKey(int pointId) { return KeyOf(KIND_POINT, pointId); }
int CurveKey(int curveId) { return KeyOf(KIND_CURVE, curveId); }
int SectionKey(int sectionId) { return KeyOf(KIND_SECTION, sectionId); }
int ClosedLoopKey(int loopId) { return KeyOf(KIND_CLOSED_LOOP, loopId); }

int DomainKey(int sectionId, int domainId)
{
    if (sectionId < 1 || sectionId >= DOMAIN_KEYS_PER_SECTION || domainId < 1 || domainId >= DOMAIN_KEYS_PER_SECTION)
        return 0;
    return DOMAIN_KEY_BASE + sectionId * DOMAIN_KEYS_PER_SECTION + domainId;
}

SceneKind KindOfKey(int key)
{
    if (key > POINT_KEY_BASE && key < CURVE_KEY_BASE)
        return KIND_POINT;
    if (key > CURVE_KEY_BASE && key < SECTION_KEY_BASE)
        return KIND_CURVE;
    if (key > SECTION_KEY_BASE && key < DOMAIN_KEY_BASE)
        return KIND_SECTION;
    if (key > DOMAIN_KEY_BASE && key < CLOSED_LOOP_KEY_BASE)
        return KIND_DOMAIN;
    if (key > CLOSED_LOOP_KEY_BASE)
        return KIND_CLOSED_LOOP;
    return KIND_NONE;
}

int IdOfKey(int key)
{
    const SceneKind kind = KindOfKey(key);
    return kind == KIND_NONE ? 0 : key - BaseOf(kind);
}

int SectionIdOfDomainKey(int key)
{
    return (key - DOMAIN_KEY_BASE) / DOMAIN_KEYS_PER_SECTION;
}

int DomainIdOfDomainKey(int key)
{
    return (key - DOMAIN_KEY_BASE) % DOMAIN_KEYS_PER_SECTION;
}
