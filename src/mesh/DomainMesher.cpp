#include "mesh/DomainMesher.h"

#include "mesh/BoundaryCurveQueries.h"
#include "mesh/DelaunayInsertion.h"
#include "mesh/InitialTriangulation.h"
#include "mesh/MeshImprovement.h"
#include "mesh/QuadCleanUp.h"
#include "mesh/QuadMerge.h"
#include "mesh/QuadSplit.h"
#include "mesh/RefinementFront.h"

#include <algorithm>

namespace {

// An element picked this many more times in a row is given up.
constexpr int kMaxRepeatedPicks = 5;
// Far beyond any mesh the calculation can use; reached only by a fault.
constexpr long long kMaxRefinementSteps = 50'000'000;

}  // namespace

MeshStageResult RefineMesh(CMeshStore& store, const MeshCancelPoll& poll)
{
    CRefinementFront front(store);
    int id = front.PickElementToRefine();
    int repeats = 0;
    for (long long step = 0; id != 0; ++step) {
        if (step == kMaxRefinementSteps)
            return MeshStageResult::Failed("the refinement does not come to an end");
        if (poll())
            return MeshStageResult::Canceled();
        const T_MESHELEM_D* element = store.FindMeshElement(id);
        const double centre[2] = {element->centreX, element->centreY};
        if (InsertMeshNode(store, centre, 0.0, false, id) == 0)
            front.GiveUp(id);
        const int next = front.PickElementToRefine();
        repeats = next == id ? repeats + 1 : 0;
        id = next;
        if (repeats == kMaxRepeatedPicks) {
            front.GiveUp(id);
            id = front.PickElementToRefine();
            repeats = 0;
        }
    }
    return {};
}

namespace {

// Merging twice, each followed by two smoothing passes.
MeshStageResult MergeTwice(CMeshStore& store, const CBoundaryCurves& curves, int mode, const MeshRunHooks& hooks,
                           bool advanceProgress)
{
    for (const int position : {4, 5}) {
        const MeshStageResult result = MergeTrianglesToQuads(store, curves, mode, hooks.poll);
        if (!result.Ok())
            return result;
        if (!SmoothMesh(store, 2, hooks.poll) || hooks.poll())
            return MeshStageResult::Canceled();
        if (advanceProgress)
            hooks.setProgress(position);
    }
    return {};
}

}  // namespace

MeshStageResult MakeQuadDominant(CMeshStore& store, MeshDomainInput& domain, const MeshRunHooks& hooks)
{
    const CBoundaryCurves curves(domain);
    return MergeTwice(store, curves, MESH_QUAD_DOMINANT, hooks, true);
}

MeshStageResult MakeAllQuads(CMeshStore& store, MeshDomainInput& domain, const MeshRunHooks& hooks)
{
    CBoundaryCurves curves(domain);
    MeshStageResult result = MergeTwice(store, curves, MESH_ALL_QUADS, hooks, false);
    if (!result.Ok())
        return result;

    hooks.setProgress(4);
    if (!SplitAllToQuads(store, curves, hooks.poll))
        return MeshStageResult::Canceled();
    if (!SmoothMesh(store, 2, hooks.poll) || hooks.poll())
        return MeshStageResult::Canceled();

    hooks.setProgress(5);
    result = CleanUpQuads(store, curves, hooks.poll);
    if (!result.Ok())
        return result;
    if (!SmoothMesh(store, 3, hooks.poll) || hooks.poll())
        return MeshStageResult::Canceled();

    hooks.setProgress(6);
    if (hooks.poll())
        return MeshStageResult::Canceled();
    const int cuts = SplitFlatCornerQuads(store, curves);
    hooks.flatCornerCuts(cuts);
    if (cuts != 0 && !SmoothMesh(store, 2, hooks.poll))
        return MeshStageResult::Canceled();
    return {};
}

MeshStageResult MeshDomain(CMeshStore& store, MeshDomainInput& domain, int mode, const MeshRunHooks& hooks)
{
    store.ResetForNewDomain();
    hooks.setProgress(1);
    // A stage that ran to its end may still have met a fault deep inside.
    const auto withStoreFault = [&store](MeshStageResult result) {
        return result.Ok() && !store.Fault().empty() ? MeshStageResult::Failed(store.Fault()) : result;
    };
    MeshStageResult result = withStoreFault(TriangulateDomain(store, domain, mode, hooks.poll));
    if (!result.Ok())
        return result;

    hooks.setProgress(2);
    result = withStoreFault(RefineMesh(store, hooks.poll));
    if (!result.Ok())
        return result;
    if (hooks.poll())
        return MeshStageResult::Canceled();

    CountValences(store);
    if (mode == MESH_TRIANGLES) {
        if (hooks.poll())
            return MeshStageResult::Canceled();
        hooks.setProgress(3);
    }
    if (!ImproveValences(store, hooks.poll))
        return MeshStageResult::Canceled();
    if (!SmoothMesh(store, 2, hooks.poll) || hooks.poll())
        return MeshStageResult::Canceled();
    hooks.setProgress(mode == MESH_TRIANGLES ? 4 : 3);

    int next = 5;
    if (mode != MESH_TRIANGLES) {
        result = withStoreFault(mode == MESH_ALL_QUADS ? MakeAllQuads(store, domain, hooks)
                                                       : MakeQuadDominant(store, domain, hooks));
        if (!result.Ok())
            return result;
        next = mode == MESH_ALL_QUADS ? 7 : 6;
    }

    if (hooks.poll())
        return MeshStageResult::Canceled();
    hooks.setProgress(std::min(next, kMeshProgressRange));
    return {};
}
