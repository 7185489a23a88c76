#include "view/support/DrawingModel.h"

#include "view/support/FakeViewDocument.h"

void BuildDrawingModel(FakeViewDocument& document)
{
    const double square[4][2] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    for (int id = 1; id <= 4; ++id)
        document.AddPoint(id, square[id - 1][0], square[id - 1][1]);
    document.AddCurve(1, {1, 2, 3, 4, 1});
    document.AddClosedLoop(1, {1});
    T_SECTION_D& plane = document.AddSection(1, SECTION_PLANE, {1});
    for (int i = 0; i < 3; ++i)
        plane.colour[i] = PLANE_SECTION_COLOUR[i];
    for (int id = 1; id <= 4; ++id)
        AddSectionPoint(plane, id, square[id - 1][0], square[id - 1][1]);
    AddDomain(plane, 1, true, 1);
    AddDomain(plane, 2, false, 1);
    AddFacet(plane, 1, 1, 1, 2, 3);
    AddFacet(plane, 2, 2, 1, 3, 4);

    document.AddPoint(5, 200, 0);
    document.AddPoint(6, 300, 0);
    document.AddCurve(2, {5, 6}, 20.0, 1);

    document.AddPoint(7, 0, 200);
    document.AddPoint(8, 100, 200);
    document.AddCurve(3, {7, 8});
    T_SECTION_D& line = document.AddSection(2, SECTION_LINE, {3});
    for (int i = 0; i < 3; ++i)
        line.colour[i] = LINE_SECTION_COLOUR[i];

    document.AddPoint(9, 500, 500);
    document.AddPoint(10, 600, 500);
    document.AddPoint(11, 500, 600);
    document.AddPoint(12, 400, 500);
    document.AddCurve(4, {9, 10});
    document.AddCurve(5, {9, 11});
    document.AddCurve(6, {9, 12});
}

void BuildJoinedCurvesModel(FakeViewDocument& document, double scale)
{
    const double xy[][2] = {{0, 0}, {10, 0}, {20, 0}, {0, 50}, {10, 50}, {5, 60}, {100, 100}};
    for (int id = 1; id <= 7; ++id)
        document.AddPoint(id, scale * xy[id - 1][0], scale * xy[id - 1][1]);
    document.AddCurve(1, {1, 2});
    document.AddCurve(2, {2, 3});
    document.AddCurve(3, {4, 5});
    document.AddClosedLoop(1, {1, -2});
    T_SECTION_D& section = document.AddSection(1, SECTION_LINE, {3});
    section.propertiesCalculated = true;
    section.centroidPointId = 6;
}
