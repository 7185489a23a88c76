#include "calc/NodeRenumbering.h"

#include <algorithm>

#include "calc/CalculationCancel.h"

// The per-node arrays below are indexed by node number (1..N); entry 0 is
// unused. During the labelling the new-number array doubles as each node's
// status: 0 not reached, and while a component is numbered -2 inactive,
// -1 preactive, 0 active; a positive value is the node's new number.

namespace {

constexpr int kInactive = -2;
constexpr int kPreactive = -1;
constexpr int kActive = 0;
constexpr int kDistanceWeight = 1;
constexpr int kDegreeWeight = 2;

// The highest of the keys set at positions 1..capacity, ties to the lowest
// position: a segment tree whose every inner entry holds the winning position
// of its range (0 when the range is empty).
class BestPositionTree {
public:
    explicit BestPositionTree(int capacity) {
        while (leaves_ < capacity) leaves_ *= 2;
        winner_.assign(2 * leaves_, 0);
        key_.assign(capacity + 1, 0);
    }

    void Set(int position, int key) {
        key_[position] = key;
        Update(position, position);
    }
    void Clear(int position) { Update(position, 0); }
    // 0 when no position is set.
    int Best() const { return winner_[1]; }

private:
    void Update(int position, int leafValue) {
        int entry = leaves_ + position - 1;
        winner_[entry] = leafValue;
        for (entry /= 2; entry >= 1; entry /= 2) {
            const int left = winner_[2 * entry];
            const int right = winner_[2 * entry + 1];
            winner_[entry] = left == 0 || (right != 0 && key_[right] > key_[left]) ? right : left;
        }
    }

    int leaves_ = 1;
    std::vector<int> winner_;
    std::vector<int> key_;
};

// Work lists of one labelling: the level list (later the numbering queue), the
// level pointers (later the priorities, indexed by node), the last level, the
// queue's best-entry tree with each queued node's position, and the nodes by
// ascending degree (ties in node order) with the first that may still be
// unreached.
struct LabelWork {
    LabelWork(int nodeCount, const NodeAdjacency& adjacency)
        : levelList(nodeCount + 1),
          levelStart(nodeCount + 2),
          lastLevel(nodeCount + 1),
          queueTree(nodeCount),
          queuePosition(nodeCount + 1),
          byDegree(NodesByDegree(nodeCount, adjacency)) {}

    static std::vector<int> NodesByDegree(int nodeCount, const NodeAdjacency& adjacency) {
        std::vector<int> nodes(nodeCount);
        for (int i = 1; i <= nodeCount; ++i) nodes[i - 1] = i;
        std::stable_sort(nodes.begin(), nodes.end(),
                         [&](int a, int b) { return adjacency.Degree(a) < adjacency.Degree(b); });
        return nodes;
    }

    std::vector<int> levelList;
    std::vector<int> levelStart;
    std::vector<int> lastLevel;
    BestPositionTree queueTree;
    std::vector<int> queuePosition;
    std::vector<int> byDegree;
    std::size_t firstMaybeUnreached = 0;
};

struct LevelShape {
    int depth = 0;
    int width = 0;
};

// Rooted level structure over the nodes whose status is 0, breadth first from
// root. Gives up once a level reaches maxWidth nodes; the closing pointer
// levelStart[depth + 1] is only written for a complete structure.
LevelShape BuildRootedLevels(int root, int maxWidth, const NodeAdjacency& adjacency, std::vector<int>& status,
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

// Stable sort of list[1..count] by ascending key[node].
void SortByKey(int count, std::vector<int>& list, const std::vector<int>& key) {
    std::stable_sort(list.begin() + 1, list.begin() + count + 1, [&](int a, int b) { return key[a] < key[b]; });
}

struct ComponentStart {
    int startNode = 0;
    int size = 0;
};

// Start and end node of the next unnumbered component. Leaves the end node's
// level structure in the work lists and each component node's distance from
// the end node in status. Each level structure walks the whole component, so
// the watch is asked before each; false, unfinished, once the user cancels.
bool FindPseudoPeripheralNodes(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& status,
                               LabelWork& work, ComponentStart& found) {
    // The first unreached node of least degree; numbered nodes never return
    // to 0, so the search goes on from where the last one stopped.
    found = ComponentStart{};
    while (status[work.byDegree[work.firstMaybeUnreached]] != 0) ++work.firstMaybeUnreached;
    found.startNode = work.byDegree[work.firstMaybeUnreached];
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
            if (CancelWatch::Requested()) return false;
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
            if (CancelWatch::Requested()) return false;
            endDepth = BuildRootedLevels(endNode, found.size + 1, adjacency, status, work.levelList, work.levelStart)
                           .depth;
        }
    }

    for (int level = 1; level <= endDepth; ++level) {
        for (int i = work.levelStart[level]; i < work.levelStart[level + 1]; ++i) {
            status[work.levelList[i]] = level - 1;
        }
    }
    return true;
}

// Numbers the component listed in levelList[1..component.size] from
// lastNumber + 1 on. The queue takes its entry of highest priority, ties to the
// earliest position, and the last entry moves into the taken place; the tree
// finds that entry without scanning the queue.
void NumberComponent(const ComponentStart& component, int& lastNumber, const NodeAdjacency& adjacency,
                     std::vector<int>& status, LabelWork& work) {
    std::vector<int>& queue = work.levelList;
    std::vector<int>& priority = work.levelStart;
    std::vector<int>& position = work.queuePosition;
    BestPositionTree& tree = work.queueTree;
    for (int i = 1; i <= component.size; ++i) {
        const int node = queue[i];
        priority[node] = kDistanceWeight * status[node] - kDegreeWeight * (adjacency.Degree(node) + 1);
        status[node] = kInactive;
    }
    int queued = 0;
    const auto enqueue = [&](int node) {
        queue[++queued] = node;
        position[node] = queued;
        status[node] = kPreactive;
        tree.Set(queued, priority[node]);
    };
    const auto raise = [&](int node) {
        priority[node] += kDegreeWeight;
        if (status[node] == kPreactive || status[node] == kActive) tree.Set(position[node], priority[node]);
    };
    const auto raiseNeighbours = [&](int node) {
        for (int a = adjacency.rowStart[node]; a < adjacency.rowStart[node + 1]; ++a) {
            const int neighbour = adjacency.adjacent[a];
            raise(neighbour);
            if (status[neighbour] == kInactive) enqueue(neighbour);
        }
    };

    enqueue(component.startNode);
    while (queued > 0) {
        if (CancelWatch::RequestedAt(lastNumber)) return;
        const int best = tree.Best();
        const int next = queue[best];
        const int last = queue[queued];
        queue[best] = last;
        position[last] = best;
        tree.Set(best, priority[last]);
        tree.Clear(queued);
        --queued;

        if (status[next] == kPreactive) raiseNeighbours(next);
        status[next] = ++lastNumber;
        for (int a = adjacency.rowStart[next]; a < adjacency.rowStart[next + 1]; ++a) {
            const int neighbour = adjacency.adjacent[a];
            if (status[neighbour] == kPreactive) {
                raise(neighbour);
                status[neighbour] = kActive;
                raiseNeighbours(neighbour);
            }
        }
    }
}

ProfileComparison ComputeProfiles(int nodeCount, const std::vector<int>& newNumber, const NodeAdjacency& adjacency) {
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

}  // namespace

void ElementNodeLists::AddElement(const std::vector<int>& elementNodes) {
    nodes.insert(nodes.end(), elementNodes.begin(), elementNodes.end());
    start.push_back(static_cast<int>(nodes.size()));
}

bool ElementListsAreValid(int nodeCount, const ElementNodeLists& elements) {
    if (nodeCount < 0 || elements.start.empty() || elements.start.front() != 0) return false;
    for (std::size_t e = 1; e < elements.start.size(); ++e) {
        if (elements.start[e] < elements.start[e - 1]) return false;
    }
    if (static_cast<std::size_t>(elements.start.back()) != elements.nodes.size()) return false;
    return std::all_of(elements.nodes.begin(), elements.nodes.end(),
                       [nodeCount](int node) { return node >= 1 && node <= nodeCount; });
}

bool BuildNodeAdjacency(int nodeCount, const ElementNodeLists& elements, NodeAdjacency& adjacency) {
    if (!ElementListsAreValid(nodeCount, elements)) return false;

    // The elements that hold each node, in element order, once each.
    std::vector<int> holderStart(nodeCount + 2, 0);
    for (int node : elements.nodes) ++holderStart[node + 1];
    for (int i = 1; i <= nodeCount + 1; ++i) holderStart[i] += holderStart[i - 1];
    std::vector<int> holders(elements.nodes.size());
    std::vector<int> holderEnd(holderStart.begin(), holderStart.end() - 1);
    for (int e = 0; e < elements.ElementCount(); ++e) {
        for (int p = elements.start[e]; p < elements.start[e + 1]; ++p) {
            const int node = elements.nodes[p];
            if (holderEnd[node] > holderStart[node] && holders[holderEnd[node] - 1] == e) continue;
            holders[holderEnd[node]++] = e;
        }
    }

    // Taking the pairs of positions element by element, a row meets its
    // partners in this order: element after element, and in each the other
    // nodes in list order. The row keeps each partner where it first met it.
    std::vector<int> listedInRowOf(nodeCount + 1, 0);
    adjacency.rowStart.assign(nodeCount + 2, 0);
    adjacency.adjacent.clear();
    for (int i = 1; i <= nodeCount; ++i) {
        if (CancelWatch::RequestedAt(i)) return false;
        adjacency.rowStart[i] = static_cast<int>(adjacency.adjacent.size());
        listedInRowOf[i] = i;  // a node is not its own neighbour
        for (int h = holderStart[i]; h < holderEnd[i]; ++h) {
            const int e = holders[h];
            for (int p = elements.start[e]; p < elements.start[e + 1]; ++p) {
                const int partner = elements.nodes[p];
                if (listedInRowOf[partner] == i) continue;
                listedInRowOf[partner] = i;
                adjacency.adjacent.push_back(partner);
            }
        }
    }
    adjacency.rowStart[nodeCount + 1] = static_cast<int>(adjacency.adjacent.size());
    return true;
}

void LabelComponents(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& newNumber) {
    newNumber.assign(nodeCount + 1, 0);
    LabelWork work(nodeCount, adjacency);
    int lastNumber = 0;
    while (lastNumber < nodeCount && !CancelWatch::Requested()) {
        ComponentStart component;
        if (!FindPseudoPeripheralNodes(nodeCount, adjacency, newNumber, work, component)) return;
        NumberComponent(component, lastNumber, adjacency, newNumber, work);
    }
}

ProfileComparison LabelNodes(int nodeCount, const NodeAdjacency& adjacency, std::vector<int>& newNumber) {
    LabelComponents(nodeCount, adjacency, newNumber);
    ProfileComparison profiles = ComputeProfiles(nodeCount, newNumber, adjacency);
    if (profiles.newProfile > profiles.oldProfile) {
        for (int i = 1; i <= nodeCount; ++i) newNumber[i] = i;
        profiles.newProfile = profiles.oldProfile;
    }
    return profiles;
}

bool RenumberMeshNodes(int N, int nElements, int nEntries, const int P[], const int Q[], int newNumber[]) {
    if (N < 0 || nElements < 0 || nEntries < 0) return false;
    if (N == 0) return true;
    if (P == nullptr || newNumber == nullptr || (Q == nullptr && nEntries > 0)) return false;
    ElementNodeLists elements;
    elements.start.assign(nElements + 1, 0);
    for (int e = 0; e <= nElements; ++e) elements.start[e] = P[e] - 1;
    if (elements.start.back() != nEntries) return false;
    if (nEntries > 0) elements.nodes.assign(Q, Q + nEntries);

    NodeAdjacency adjacency;
    if (!BuildNodeAdjacency(N, elements, adjacency)) return false;
    std::vector<int> numbers;
    LabelNodes(N, adjacency, numbers);
    std::copy(numbers.begin() + 1, numbers.end(), newNumber);
    return true;
}
