#pragma once
// One int names every drawable entity: it is at once the entity's display-list
// name, its selection name when picking, and its member of the scene's key
// sets. Each kind owns a band of keys.

enum SceneKind { KIND_POINT, KIND_CURVE, KIND_SECTION, KIND_CLOSED_LOOP, KIND_DOMAIN, KIND_COUNT, KIND_NONE = KIND_COUNT };

constexpr int POINT_KEY_BASE = 1000000;
constexpr int CURVE_KEY_BASE = 2000000;
constexpr int SECTION_KEY_BASE = 3000000;
constexpr int DOMAIN_KEY_BASE = 4000000;
constexpr int CLOSED_LOOP_KEY_BASE = 5000000;
constexpr int DOMAIN_KEYS_PER_SECTION = 1000;

// The key of an entity, or 0 (a key of no band) when its id has no key of its
// own: ids below 1 and ids that would alias into the next band.
int PointKey(int pointId);
int CurveKey(int curveId);
int SectionKey(int sectionId);
int ClosedLoopKey(int loopId);
int DomainKey(int sectionId, int domainId);
int KeyOf(SceneKind kind, int id);  // not for domains

// The band a key falls in; the band bases themselves fall in none.
SceneKind KindOfKey(int key);
// The id a point, curve, section or closed-loop key stands for.
int IdOfKey(int key);
int SectionIdOfDomainKey(int key);
int DomainIdOfDomainKey(int key);
