#include "mesh/RefinementFront.h"

#include <algorithm>
#include <cmath>
#include <queue>

namespace {

// The size h of a node corresponds to an equilateral triangle of side h,
// circumradius h / sqrt(3); unequal corner sizes get 1.5 times the smallest.
const double kSqrt3 = std::sqrt(3.0);
constexpr double kUnequalAllowance = 1.5;

bool SizesEqual(double a, double b, double c)
{
    // Sizes are relative to the domain, so the fixed epsilon is relative too.
    return std::fabs(a - b) <= 1e-6 && std::fabs(a - c) < 1e-6;
}

}  // namespace

CRefinementFront::ElementFacts& CRefinementFront::Facts(int elementId)
{
    if (static_cast<size_t>(elementId) >= m_facts.size())
        m_facts.resize(std::max<size_t>(elementId + 1, m_facts.size() * 2));
    return m_facts[elementId];
}

void CRefinementFront::UpdateFacts(const T_MESHELEM_D& element)
{
    ElementFacts& facts = Facts(element.id);
    double h[3];
    for (int i = 0; i < 3; ++i) {
        const T_MESHNODE_D* node = m_store.FindMeshNode(element.nodes[i]);
        h[i] = node == nullptr ? 0.0 : node->size;
    }
    facts.constrained = false;
    for (const int edgeId : element.edges) {
        const T_MESHEDGE_D* edge = m_store.FindMeshEdge(edgeId);
        if (edge != nullptr && edge->constrained)
            facts.constrained = true;
    }

    bool small;
    if (SizesEqual(h[0], h[1], h[2]))
        small = h[0] / kSqrt3 >= element.radius;
    else
        small = kUnequalAllowance * std::min({h[0], h[1], h[2]}) / kSqrt3 >= element.radius;

    if (element.state == ELEM_GIVEN_UP)
        facts.sizeState = ELEM_GIVEN_UP;
    else if (element.state == ELEM_ACCEPTED && facts.constrained)
        facts.sizeState = ELEM_ACCEPTED;  // stays accepted for good
    else
        facts.sizeState = small ? ELEM_ACCEPTED : ELEM_WAITING;
    facts.ratio = element.radius / (((h[0] + h[1] + h[2]) / 3.0) / kSqrt3);
}

int CRefinementFront::FrontState(const T_MESHELEM_D& element)
{
    const ElementFacts& facts = Facts(element.id);
    if (facts.sizeState != ELEM_WAITING)
        return facts.sizeState;
    int closedSides = 0;
    for (int i = 0; i < 3; ++i) {
        const T_MESHEDGE_D* edge = m_store.FindMeshEdge(element.edges[i]);
        const T_MESHELEM_D* neighbour = m_store.FindMeshElement(element.neighbours[i]);
        bool closed = neighbour == nullptr || (edge != nullptr && edge->constrained);
        if (!closed) {
            // Lower ids were tested before this one in the same pick; higher
            // ids still show their size-tested state.
            const int seen = neighbour->id < element.id ? neighbour->state : Facts(neighbour->id).sizeState;
            closed = seen == ELEM_GIVEN_UP || seen == ELEM_ACCEPTED;
        }
        if (closed)
            ++closedSides;
    }
    if (closedSides == 3)
        return ELEM_ACCEPTED;
    return closedSides > 0 ? ELEM_FRONT : ELEM_WAITING;
}

void CRefinementFront::SetState(T_MESHELEM_D& element, int state)
{
    const double ratio = Facts(element.id).ratio;
    if (element.state == ELEM_FRONT)
        m_front.erase({ratio, element.id});
    element.state = state;
    if (state == ELEM_FRONT)
        m_front.insert({ratio, element.id});
}

int CRefinementFront::PickElementToRefine()
{
    std::set<int> changed = m_store.TakeChangedElements();
    changed.insert(m_stickyNextPick.begin(), m_stickyNextPick.end());
    m_stickyNextPick.clear();

    std::priority_queue<int, std::vector<int>, std::greater<int>> toTest;
    for (const int id : changed) {
        T_MESHELEM_D* element = m_store.FindMeshElement(id);
        if (element == nullptr)
            continue;
        // The front entry was filed under the old ratio.
        if (element->state == ELEM_FRONT)
            m_front.erase({Facts(id).ratio, id});
        UpdateFacts(*element);
        if (element->state == ELEM_FRONT)
            m_front.insert({Facts(id).ratio, id});
        toTest.push(id);
        for (const int neighbour : element->neighbours) {
            if (neighbour != 0)
                toTest.push(neighbour);
        }
    }

    // Ascending id: a test sees the final state of every lower id.
    int lastTested = 0;
    while (!toTest.empty()) {
        const int id = toTest.top();
        toTest.pop();
        if (id == lastTested)
            continue;
        lastTested = id;
        T_MESHELEM_D* element = m_store.FindMeshElement(id);
        if (element == nullptr)
            continue;
        const int state = FrontState(*element);
        if (state == ELEM_ACCEPTED && Facts(id).constrained && Facts(id).sizeState != ELEM_ACCEPTED)
            m_stickyNextPick.insert(id);
        if (state == element->state)
            continue;
        SetState(*element, state);
        for (const int neighbour : element->neighbours) {
            if (neighbour > id)
                toTest.push(neighbour);
        }
    }
    return m_front.empty() ? 0 : m_front.begin()->second;
}

void CRefinementFront::GiveUp(int elementId)
{
    T_MESHELEM_D* element = m_store.FindMeshElement(elementId);
    if (element == nullptr)
        return;
    SetState(*element, ELEM_GIVEN_UP);
    m_store.MarkElementChanged(elementId);
}
