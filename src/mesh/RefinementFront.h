#pragma once
// The advancing front of Delaunay refinement: which elements are accepted,
// waiting, on the front or given up, and which front element to refine next.
//
// Every pick gives the result of re-testing all elements in ascending id (a
// side test by size, then a front test that sees the final state of lower ids
// and the size-tested state of higher ids), but only the elements that a
// change can reach are tested again, and the front is kept ordered by ratio.

#include "mesh/MeshStore.h"

#include <set>
#include <utility>
#include <vector>

class CRefinementFront {
public:
    explicit CRefinementFront(CMeshStore& store) : m_store(store) {}

    // The front element to refine next (largest ratio of circumradius to the
    // size its corners ask for, lowest id on a tie); 0 when none is left.
    int PickElementToRefine();

    // Refinement never picks the element again until a split or flip changes it.
    void GiveUp(int elementId);

private:
    struct ElementFacts {
        int sizeState = ELEM_WAITING;  // state after the size test of the current pick
        bool constrained = false;      // has a constrained side
        double ratio = 0.0;
    };
    struct ByRatio {
        bool operator()(const std::pair<double, int>& a, const std::pair<double, int>& b) const
        {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        }
    };

    ElementFacts& Facts(int elementId);
    void UpdateFacts(const T_MESHELEM_D& element);
    int FrontState(const T_MESHELEM_D& element);
    void SetState(T_MESHELEM_D& element, int state);

    CMeshStore& m_store;
    std::vector<ElementFacts> m_facts;  // by element id
    std::set<std::pair<double, int>, ByRatio> m_front;
    std::set<int> m_stickyNextPick;  // accepted by their sides, with a constrained side
};
