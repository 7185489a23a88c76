#pragma once
// One model with every kind the view draws, shared by the plan tests and the
// pixel tests:
//  - closed curve 1 through points 1-4 (a 100 x 100 square at the origin),
//    registered as closed loop 1, and generated into plane section 1 whose
//    used domain 1 is the lower-right triangle (facet 1) and whose unused
//    domain 2 the upper-left one (facet 2);
//  - curve 2 from point 5 (200, 0) to point 6 (300, 0) with a centred width
//    of 20, in no section;
//  - line section 2 of curve 3 from point 7 (0, 200) to point 8 (100, 200);
//  - curves 4, 5 and 6 from point 9 (500, 500) to points 10, 11 and 12.

class FakeViewDocument;

constexpr int PLANE_SECTION_COLOUR[3] = {0, 128, 255};
constexpr int LINE_SECTION_COLOUR[3] = {255, 0, 255};

void BuildDrawingModel(FakeViewDocument& document);

// A smaller model for the activity and selection tests, its coordinates
// times `scale`: curves 1 and 2 joined at point 2 with a closed loop over
// both; a calculated line section of curve 3 with its centroid point 6;
// point 7 on no curve.
void BuildJoinedCurvesModel(FakeViewDocument& document, double scale);
