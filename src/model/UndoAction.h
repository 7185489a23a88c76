#pragma once
// One undoable step: the ids of the objects it created and copies of the
// objects it changed or deleted, taken before their first change.

#include "model/ModelRecords.h"
#include "model/SectionRecords.h"

#include <string>
#include <vector>

// What an action holds for one kind of record.
template <class T>
struct UndoKindRecord {
    std::vector<int> created;  // in the order of recording; undo deletes these
    IdMap<T> saved;  // copies from before the first change, keyed by the object's id
};

struct T_ACTION_D {
    int id = 0;  // key in its store
    std::string title;
    // The kinds in the order every step processes them.
    UndoKindRecord<T_SECTION_D> sections;
    UndoKindRecord<T_LOOP_D> closedLoops;
    UndoKindRecord<T_CURVE_D> curves;
    UndoKindRecord<T_POINT_D> points;
    UndoKindRecord<T_UCS_D> ucs;
    UndoKindRecord<T_GROUP_D> groups;
    UndoKindRecord<T_MATERIAL_D> materials;
};
