#pragma once
// Meshing of one domain of a plane section into the model's finite-element
// maps, with progress, cancel by Escape between stages, and a refusal while
// another run on the same model is still going.

#include "model/SectModel.h"

// Mode 1 all quadrilaterals, 2 quadrilateral-dominant, 3 triangles. True when
// the domain's mesh is in the model's finite-element maps; false when a run
// is already going, a stage failed (one output line says why) or the user
// cancelled (the cancel poll says so). The mesh store lives and dies with the
// call. The first domain of a section run is the one that finds the
// finite-element maps empty.
bool GenerateDomainMesh(CSectModel& model, T_SECTION_D* section, T_DOMAIN_D* domain, int mode);
