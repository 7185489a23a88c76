// The look at pending user input between stages of plane faceting, meshing,
// DXF import and curve intersection.

#include "model/SectModel.h"

namespace {

enum CancelPollMode {
    POLL_PLANE_FACETING = 0,
    POLL_MESH_GENERATION = 1,
    POLL_DXF_IMPORT = 2,
    POLL_CURVE_INTERSECTION = 3
};

const char* const kFacetingCancelQuestion =
    "You've interrupted the plane faceting.\n\n"
    "If the facets are not constructed, you cannot readily manipulate the domains.\n\n"
    "(However, you can calculate and see the results normally)\n\n"
    "Really cancel the plane faceting?";

} // namespace

bool CSectModel::PollUserCancel(int mode)
{
    // The port has already dispatched whatever it took; only Escape counts.
    if (m_reporter.PollCancel() != PolledMessage::Escape)
        return false;

    switch (mode) {
    case POLL_PLANE_FACETING:
        if (m_reporter.AskYesNo(kFacetingCancelQuestion, 0) != 1)
            return false;
        m_reporter.PrintOutput("* Plane faceting is canceled.", 0);
        return true;
    case POLL_MESH_GENERATION:
        m_reporter.PrintOutput("* Mesh generation is canceled.", 0);
        return true;
    case POLL_DXF_IMPORT:
        m_reporter.PrintOutput("* DXF import is canceled.", 0);
        return true;
    case POLL_CURVE_INTERSECTION:
        m_reporter.PrintOutput("* Curve intersection is canceled.", 0);
        return true;
    default:
        return true;
    }
}
