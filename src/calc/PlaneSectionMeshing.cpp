// The plane-section mesh driver: mesh size from the density level or the
// given size, even division counts on the section's curves, a mesh of every
// used domain, the quality check, and the nodes renumbered for a small
// stiffness profile.

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

#include "calc/CalculationCancel.h"
#include "calc/NodeRenumbering.h"
#include "calc/PlaneMeshSizing.h"
#include "calc/SectionMoments.h"
#include "mesh/DomainMeshDriver.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"

namespace {

// Plane sections are always meshed in all-quadrilateral mode.
constexpr int kAllQuadrilateralMode = 1;
// Escape between the stages after the mesher counts as cancelling the mesh.
constexpr int kMeshCancelMode = 1;

const char* PoorMeshWarning(int level, double meshSize)
{
    if (std::fabs(meshSize) > 1e-6)
        return "Very poor mesh is generated and the mesh size seems unsuitable.\n\n"
               "Change the mesh density level (up) or mesh size (down).";
    if (level == 5)
        return "Very poor mesh is generated and the mesh level seems unsuitable.\n\n"
               "Use [Mesh Size] option with a smaller size.";
    return "Very poor mesh is generated and the mesh level seems unsuitable.\n\n"
           "Change the mesh density level (up) or mesh size (down).";
}

// New node numbers for a small profile, written into the nodes' renumbered
// index. False when an element or node id is missing or the lists do not fit,
// and, unfinished, once the watched run is cancelled; the caller asks the watch.
bool RenumberNodes(CSectModel& model)
{
    std::vector<int> starts;
    std::vector<int> nodes;
    for (int id = 1; id < model.m_nextFeElementId; ++id) {
        if (CancelWatch::RequestedAt(id))
            return false;
        const T_FEELEM_D* element = model.FindFeElement(id);
        if (!element)
            return false;
        starts.push_back(static_cast<int>(nodes.size()) + 1);
        nodes.insert(nodes.end(), element->nodeIds.begin(), element->nodeIds.end());
    }
    starts.push_back(static_cast<int>(nodes.size()) + 1);
    const int nodeCount = static_cast<int>(model.m_feNodes.size());
    std::vector<int> newNumber(static_cast<std::size_t>(nodeCount), 0);
    if (!RenumberMeshNodes(nodeCount, static_cast<int>(starts.size()) - 1, static_cast<int>(nodes.size()),
                           starts.data(), nodes.data(), newNumber.data()))
        return false;
    for (int i = 1; i <= nodeCount; ++i) {
        if (CancelWatch::RequestedAt(i))
            return false;
        T_FENODE_D* node = model.FindFeNode(i);
        if (!node)
            return false;
        node->renumberedIndex = newNumber[static_cast<std::size_t>(i) - 1];
    }
    return true;
}

// The rewrite under the new numbers, in three steps: nodes take their new
// numbers as ids and elements name them so; every node learns its elements;
// and whether it lies on the mesh's boundary.
void RenameNodes(CSectModel& model)
{
    for (auto& [id, element] : model.m_feElements) {
        for (int& nodeId : element->nodeIds)
            nodeId = model.FindFeNode(nodeId)->renumberedIndex;
    }
    IdMap<T_FENODE_D> renumbered;
    for (auto& [id, node] : model.m_feNodes) {
        node->id = node->renumberedIndex;
        node->elementIds.clear();
        node->boundary = false;
        renumbered[node->id] = std::move(node);
    }
    model.m_feNodes = std::move(renumbered);
}

void ListElementsOfNodes(CSectModel& model)
{
    for (auto& [id, element] : model.m_feElements) {
        std::vector<int> kept;
        for (int nodeId : element->nodeIds) {
            if (T_FENODE_D* node = model.FindFeNode(nodeId)) {
                node->elementIds.push_back(element->id);
                kept.push_back(nodeId);
            }
        }
        element->nodeIds = kept;
    }
}

void MarkBoundaryNodes(CSectModel& model)
{
    for (const auto& [id, element] : model.m_feElements) {
        const std::vector<int>& ring = element->nodeIds;
        for (std::size_t i = 0; i < ring.size(); ++i) {
            T_FENODE_D* from = model.FindFeNode(ring[i]);
            T_FENODE_D* to = model.FindFeNode(ring[(i + 1) % ring.size()]);
            bool shared = false;
            for (int otherId : from->elementIds) {
                const T_FEELEM_D* other = model.FindFeElement(otherId);
                shared = shared || (otherId != element->id &&
                                    std::find(other->nodeIds.begin(), other->nodeIds.end(), to->id) !=
                                        other->nodeIds.end());
            }
            if (!shared)
                from->boundary = to->boundary = true;
        }
    }
}

}  // namespace

bool CSectModel::MeshPlaneSection(T_SECTION_D* section, int level, double meshSize)
{
    ClearFeMesh();
    if (!section)
        return false;
    if (const double sliver = UnsolvableWallOf(*section); sliver > 0.0)
        return ReportSectionNotCalculable(*this, UnsolvableWallText(section->name, sliver));
    const MeshSizingNote note = AssignMeshDivisions(*section, level, meshSize);

    for (const auto& [id, domain] : section->domains) {
        if (domain->used && !GenerateDomainMesh(*this, section, domain.get(), kAllQuadrilateralMode)) {
            ClearFeMesh();
            return false;
        }
    }
    // The quality check and the renumbering walk the whole mesh; they look
    // for Escape as they go, through the watch, and stop unfinished.
    const CancelWatch escape([this] { return PollUserCancel(kMeshCancelMode); });
    const bool usable = CheckMeshQuality();
    if (escape.Cancelled()) {
        ClearFeMesh();
        return false;
    }
    if (!usable) {
        ClearFeMesh();
        return m_reporter.ShowWarning(PoorMeshWarning(level, meshSize));
    }
    if (PollUserCancel(kMeshCancelMode)) {
        ClearFeMesh();
        return false;
    }
    const bool renumbered = RenumberNodes(*this);
    if (escape.Cancelled()) {
        ClearFeMesh();
        return false;
    }
    if (!renumbered) {
        ClearFeMesh();
        return m_reporter.ShowError(FormatText(
            "Error occurred while ordering the mesh of plane section [%s].\n\nThis section cannot be calculated.",
            section->name.c_str()));
    }
    // Each step over a large mesh takes a good part of a second.
    for (void (*step)(CSectModel&) : {RenameNodes, ListElementsOfNodes, MarkBoundaryNodes}) {
        if (PollUserCancel(kMeshCancelMode)) {
            ClearFeMesh();
            return false;
        }
        step(*this);
    }
    for (const std::string& line : MeshSizingNoteLines(note, section->name))
        m_reporter.PrintOutput(line);
    return true;
}
