#pragma once

// A plain, quadratic implementation of the node adjacency and the labelling,
// kept as the oracle that the fast ones must match array for array: the
// numbering queue is scanned linearly for its best entry and every row is
// scanned for a duplicate before a partner is added.

#include <algorithm>
#include <vector>

#include "calc/NodeRenumbering.h"

namespace reference_ordering {

// Per-node arrays are indexed by node number (1..N). The new-number array
// doubles as the status: 0 not reached; while a component is numbered -2
// inactive, -1 preactive, 0 active; a positive value is the new number.
inline constexpr int kInactive = -2;
inline constexpr int kPreactive = -1;
inline constexpr int kActive = 0;
inline constexpr int kDistanceWeight = 1;
inline constexpr int kDegreeWeight = 2;

// Work lists of one labelling: the level list (later the numbering queue), the
// level pointers (later the priorities, indexed by node) and the last level.
struct LabelWork {
    explicit LabelWork(int nodeCount)
        : levelList(nodeCount + 1), levelStart(nodeCount + 2), lastLevel(nodeCount + 1) {}
    std::vector<int> levelList;
    std::vector<int> levelStart;
    std::vector<int> lastLevel;
};

struct LevelShape {
    int depth = 0;
    int width = 0;
};

// Rooted level structure over the nodes whose status is 0, breadth first from
// root. Gives up once a level reaches maxWidth nodes; the closing pointer
// levelStart[depth + 1] is only written for a complete structure.
inline LevelShape BuildRootedLevels(int root, int maxWidth, const NodeAdjacency& adjacency, std::vector<int>& status,
                             std::vector<int>& levelList, std::vector<int>& levelStart) {
    status[root] = 1;
    levelList[1] = root;
    int count = 1;
    int levelEnd = 0;
    int levelWidth = 1;
    LevelShape shape{0, 1};
    bool complete = true;
    while (levelWidth > 0) {
        const int levelBegin = levelEnd + 1;
        levelEnd = count;
        ++shape.depth;
        levelStart[shape.depth] = levelBegin;
        for (int i = levelBegin; i <= levelEnd; ++i) {
            const int node = levelList[i];
            for (int a = adjacency.rowStart[node]; a < adjacency.rowStart[node + 1]; ++a) {
                const int neighbour = adjacency.adjacent[a];
                if (status[neighbour] == 0) {
                    levelList[++count] = neighbour;
                    status[neighbour] = 1;
                }
            }
        }
        levelWidth = count - levelEnd;
        shape.width = std::max(shape.width, levelWidth);
        if (shape.width >= maxWidth) {
            complete = false;
            break;
        }
    }
    if (complete) levelStart[shape.depth + 1] = levelEnd + 1;
    for (int i = 1; i <= count; ++i) status[levelList[i]] = 0;
    return shape;
}

// Stable insertion sort of list[1..count] by ascending key[node].
inline void SortByKey(int count, std::vector<int>& list, const std::vector<int>& key) {
    for (int i = 2; i <= count; ++i) {
        const int node = list[i];
        const int value = key[node];
        int j = i - 1;
        while (j >= 1 && key[list[j]] > value) {
            list[j + 1] = list[j];
            --j;
        }
        list[j + 1] = node;
    }
}

struct ComponentStart {
    int startNode = 0;
    int size = 0;
};

// Start and end node of the next unnumbered component. Leaves the end node's
// level structure in the work lists and each component node's distance from
// the end node in status.
inline ComponentStart FindPseudoPeripheralNodes(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& status,
                                         LabelWork& work) {
    ComponentStart found;
    int leastDegree = nodeCount;
    for (int i = 1; i <= nodeCount; ++i) {
        if (status[i] == 0 && adjacency.Degree(i) < leastDegree) {
            found.startNode = i;
            leastDegree = adjacency.Degree(i);
        }
    }
    LevelShape startShape = BuildRootedLevels(found.startNode, nodeCount + 1, adjacency, status, work.levelList,
                                              work.levelStart);
    found.size = work.levelStart[startShape.depth + 1] - 1;

    int endNode = 0;
    int endDepth = 0;
    bool restart = true;
    while (restart) {
        restart = false;
        // Candidates: the last level, one node per distinct degree, least degree first.
        const int first = work.levelStart[startShape.depth];
        const int last = work.levelStart[startShape.depth + 1] - 1;
        int candidateCount = 0;
        for (int i = first; i <= last; ++i) {
            const int node = work.levelList[i];
            work.lastLevel[++candidateCount] = node;
            work.levelStart[node] = adjacency.Degree(node);
        }
        if (candidateCount > 1) SortByKey(candidateCount, work.lastLevel, work.levelStart);
        const int listed = candidateCount;
        candidateCount = 1;
        int degree = work.levelStart[work.lastLevel[1]];
        for (int i = 2; i <= listed; ++i) {
            const int node = work.lastLevel[i];
            if (work.levelStart[node] != degree) {
                degree = work.levelStart[node];
                work.lastLevel[++candidateCount] = node;
            }
        }

        int maxWidth = found.size + 1;
        int lastExamined = 0;
        for (int c = 1; c <= candidateCount; ++c) {
            lastExamined = work.lastLevel[c];
            const LevelShape shape =
                BuildRootedLevels(lastExamined, maxWidth, adjacency, status, work.levelList, work.levelStart);
            if (shape.width >= maxWidth) continue;
            if (shape.depth > startShape.depth) {
                found.startNode = lastExamined;
                startShape = shape;
                restart = true;
                break;
            }
            endNode = lastExamined;
            endDepth = shape.depth;
            maxWidth = shape.width;
        }
        if (!restart && lastExamined != endNode) {
            endDepth = BuildRootedLevels(endNode, found.size + 1, adjacency, status, work.levelList, work.levelStart)
                           .depth;
        }
    }

    for (int level = 1; level <= endDepth; ++level) {
        for (int i = work.levelStart[level]; i < work.levelStart[level + 1]; ++i) {
            status[work.levelList[i]] = level - 1;
        }
    }
    return found;
}

// Numbers the component listed in queue[1..componentSize] from lastNumber + 1 on.
inline void NumberComponent(const ComponentStart& component, int& lastNumber, const NodeAdjacency& adjacency,
                     std::vector<int>& status, std::vector<int>& queue, std::vector<int>& priority) {
    for (int i = 1; i <= component.size; ++i) {
        const int node = queue[i];
        priority[node] = kDistanceWeight * status[node] - kDegreeWeight * (adjacency.Degree(node) + 1);
        status[node] = kInactive;
    }
    int queued = 1;
    queue[1] = component.startNode;
    status[component.startNode] = kPreactive;

    const auto raiseNeighbours = [&](int node) {
        for (int a = adjacency.rowStart[node]; a < adjacency.rowStart[node + 1]; ++a) {
            const int neighbour = adjacency.adjacent[a];
            priority[neighbour] += kDegreeWeight;
            if (status[neighbour] == kInactive) {
                queue[++queued] = neighbour;
                status[neighbour] = kPreactive;
            }
        }
    };

    while (queued > 0) {
        int best = 1;
        int bestPriority = priority[queue[1]];
        for (int i = 2; i <= queued; ++i) {
            if (priority[queue[i]] > bestPriority) {
                best = i;
                bestPriority = priority[queue[i]];
            }
        }
        const int next = queue[best];
        queue[best] = queue[queued];
        --queued;

        if (status[next] == kPreactive) raiseNeighbours(next);
        status[next] = ++lastNumber;
        for (int a = adjacency.rowStart[next]; a < adjacency.rowStart[next + 1]; ++a) {
            const int neighbour = adjacency.adjacent[a];
            if (status[neighbour] == kPreactive) {
                priority[neighbour] += kDegreeWeight;
                status[neighbour] = kActive;
                raiseNeighbours(neighbour);
            }
        }
    }
}

inline ProfileComparison ComputeProfiles(int nodeCount, const std::vector<int>& newNumber,
                                         const NodeAdjacency& adjacency) {
    ProfileComparison profiles{nodeCount, nodeCount};
    for (int i = 1; i <= nodeCount; ++i) {
        int oldLeast = i;
        int newLeast = newNumber[i];
        for (int a = adjacency.rowStart[i]; a < adjacency.rowStart[i + 1]; ++a) {
            const int neighbour = adjacency.adjacent[a];
            oldLeast = std::min(oldLeast, neighbour);
            newLeast = std::min(newLeast, newNumber[neighbour]);
        }
        profiles.oldProfile += i - oldLeast;
        profiles.newProfile += newNumber[i] - newLeast;
    }
    return profiles;
}

// Writes partner into the first empty slot of node's row unless it is there
// already. Returns false when the row is full without it.
enum class SlotResult { Present, Added, Full };

inline SlotResult AddToRow(int node, int partner, const std::vector<int>& rowStart, std::vector<int>& slots) {
    for (int a = rowStart[node]; a < rowStart[node + 1]; ++a) {
        if (slots[a] == partner) return SlotResult::Present;
        if (slots[a] == 0) {
            slots[a] = partner;
            return SlotResult::Added;
        }
    }
    return SlotResult::Full;
}


inline bool BuildNodeAdjacency(int nodeCount, const ElementNodeLists& elements, NodeAdjacency& adjacency) {
    // Each position of a node in an element reserves one slot per partner there.
    std::vector<int> rowStart(nodeCount + 2, 0);
    for (int e = 0; e < elements.ElementCount(); ++e) {
        const int partners = elements.start[e + 1] - elements.start[e] - 1;
        for (int p = elements.start[e]; p < elements.start[e + 1]; ++p) rowStart[elements.nodes[p]] += partners;
    }
    int position = 0;
    for (int i = 1; i <= nodeCount; ++i) {
        const int reserved = rowStart[i];
        rowStart[i] = position;
        position += reserved;
    }
    rowStart[nodeCount + 1] = position;

    // Node numbers are positive, so 0 marks an empty slot.
    std::vector<int> slots(position, 0);
    for (int e = 0; e < elements.ElementCount(); ++e) {
        for (int p = elements.start[e]; p < elements.start[e + 1]; ++p) {
            for (int q = p + 1; q < elements.start[e + 1]; ++q) {
                const int i = elements.nodes[p];
                const int j = elements.nodes[q];
                if (i == j) continue;  // a node is not its own neighbour
                const SlotResult added = AddToRow(i, j, rowStart, slots);
                if (added == SlotResult::Full) return false;
                if (added == SlotResult::Added && AddToRow(j, i, rowStart, slots) == SlotResult::Full) return false;
            }
        }
    }

    // Compact the rows, keeping their order.
    adjacency.rowStart.assign(nodeCount + 2, 0);
    adjacency.adjacent.clear();
    adjacency.adjacent.reserve(slots.size());
    for (int i = 1; i <= nodeCount; ++i) {
        adjacency.rowStart[i] = static_cast<int>(adjacency.adjacent.size());
        for (int a = rowStart[i]; a < rowStart[i + 1] && slots[a] != 0; ++a) adjacency.adjacent.push_back(slots[a]);
    }
    adjacency.rowStart[nodeCount + 1] = static_cast<int>(adjacency.adjacent.size());
    return true;
}

inline void LabelComponents(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& newNumber) {
    newNumber.assign(nodeCount + 1, 0);
    LabelWork work(nodeCount);
    int lastNumber = 0;
    while (lastNumber < nodeCount) {
        const ComponentStart component = FindPseudoPeripheralNodes(nodeCount, adjacency, newNumber, work);
        NumberComponent(component, lastNumber, adjacency, newNumber, work.levelList, work.levelStart);
    }
}

inline ProfileComparison LabelNodes(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& newNumber) {
    reference_ordering::LabelComponents(nodeCount, adjacency, newNumber);
    ProfileComparison profiles = ComputeProfiles(nodeCount, newNumber, adjacency);
    if (profiles.newProfile > profiles.oldProfile) {
        for (int i = 1; i <= nodeCount; ++i) newNumber[i] = i;
        profiles.newProfile = profiles.oldProfile;
    }
    return profiles;
}

}  // namespace reference_ordering
