#pragma once
// The finished mesh of one domain into the model's finite-element nodes and
// elements, joined with the nodes earlier domains of the section left along
// shared curves.

#include "mesh/MeshStatus.h"
#include "mesh/MeshStore.h"
#include "model/SectModel.h"

#include <string>

// Adds the store's elements and the nodes they use to the model's
// finite-element maps. A boundary node joins the earlier domain's node at the
// same place (within a small fraction of its spacing); no two nodes of this
// domain are ever joined. Empties every section curve's list of mesh nodes.
// Failed, with the reason, when an element has lost its corners; nothing is
// dropped in silence. Polls between many elements and nodes; Canceled leaves
// the model's mesh part written, for the caller to clear.
MeshStageResult ExportDomainMesh(CSectModel& model, T_SECTION_D* section, T_DOMAIN_D* domain, CMeshStore& store,
                                 const MeshCancelPoll& poll);
