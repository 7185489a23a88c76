#pragma once
// Fixtures for the section commands: materials, sections marked calculated by
// hand, sections assembled directly from model curves, and a picture of the
// section records down to their own points, flags and domain materials, so
// that undo and redo are checked against the exact previous model.

#include "SectionTestSupport.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// What the section commands may change beyond ModelState.
struct SectionRecordState {
    std::string name;
    bool hasLocation = false;
    double location = 0.0;
    bool calculated = false;
    int centroidPointId = 0;
    int assignedBaseMaterialId = 0;
    std::vector<int> domainMaterials;
    std::map<int, std::vector<double>> ownPoints;
    bool operator==(const SectionRecordState&) const = default;
};

struct SectionCommandState {
    ModelState records;
    std::map<int, SectionRecordState> sections;
    bool operator==(const SectionCommandState&) const = default;
};

class SectionCommandTest : public SectionTest {
protected:
    void AddMaterial(int id, const std::string& name, double poissonRatio = 0.3)
    {
        auto material = std::make_unique<T_MATERIAL_D>();
        material->id = id;
        material->name = name;
        material->elasticModulus = 2.0e5;
        material->poissonRatio = poissonRatio;
        model.m_materials[id] = std::move(material);
    }

    // Gives the section the calculated flag and a centroid point of its own
    // at (x, y); returns the point's id.
    int MarkCalculated(int sectionId, double x, double y)
    {
        const int centroid = AddPoint(x, y);
        MarkCalculatedAt(sectionId, centroid);
        return centroid;
    }

    void MarkCalculatedAt(int sectionId, int centroidPointId)
    {
        T_SECTION_D* section = model.FindSection(sectionId);
        section->propertiesCalculated = true;
        section->centroidPointId = centroidPointId;
    }

    // A line section made directly over the curves, with no point detached,
    // so tests can give sections shared points that generation would split.
    int AssembleLineSection(const std::vector<int>& curveIds)
    {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = model.m_nextSectionId++;
        section->type = SECTION_LINE;
        section->name = "Section-L" + std::to_string(section->id);
        section->curveIds = curveIds;
        for (int curveId : curveIds)
            model.FindCurve(curveId)->sectionId = section->id;
        const int id = section->id;
        model.m_sections[id] = std::move(section);
        return id;
    }

    // A plane square of side `size` with its lower-left corner at (x, y).
    int SquareSection(double x, double y, double size)
    {
        return GeneratePlane(DrawRectangle(x, y, x + size, y + size));
    }

    SectionCommandState CaptureSections() const
    {
        SectionCommandState state{CaptureState(model), {}};
        for (const auto& [id, section] : model.m_sections) {
            SectionRecordState& s = state.sections[id];
            s.name = section->name;
            s.hasLocation = section->hasLocation;
            s.location = section->location;
            s.calculated = section->propertiesCalculated;
            s.centroidPointId = section->centroidPointId;
            s.assignedBaseMaterialId = section->assignedBaseMaterialId;
            for (const auto& [domainId, domain] : section->domains)
                s.domainMaterials.push_back(domain->materialId);
            for (const auto& [pointId, point] : section->points)
                s.ownPoints[pointId] = {point->xy[0], point->xy[1]};
        }
        return state;
    }

    // Undo brings back exactly `before`, redo exactly the state after the command.
    void ExpectUndoRedoRestoresSections(const SectionCommandState& before)
    {
        const SectionCommandState after = CaptureSections();
        ASSERT_TRUE(model.Undo(false));
        EXPECT_EQ(CaptureSections(), before);
        ASSERT_TRUE(model.Redo());
        EXPECT_EQ(CaptureSections(), after);
    }

    // A refusal: the model and both undo stores as before, the one box given.
    void ExpectRefusedSectionCommand(bool result, const SectionCommandState& before, int undoTop,
                                     const std::string& text)
    {
        EXPECT_FALSE(result);
        EXPECT_EQ(CaptureSections(), before);
        EXPECT_EQ(model.m_undoTopId, undoTop);
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{text});
        EXPECT_TRUE(user.lines.empty());
    }

    // A command given a section that does not exist, or a section one of
    // whose curves or curve points does not.
    struct MissingRecordCase {
        const char* name;
        std::vector<int> ids;  // the sections the command is given
        int missingCurve;  // when not 0, added to the curves of the broken section
        int missingPoint;  // when not 0, added to the points of the broken curve
        std::string text;
    };

    // For each case: breaks the section and its curve as the case says, runs
    // the command on the case's ids, expects it refused with the text and
    // nothing changed, then mends the records.
    void ExpectMissingRecordsRefused(int brokenSection, int brokenCurve, const std::vector<MissingRecordCase>& cases,
                                     const std::function<bool(const std::vector<int>& ids)>& command)
    {
        const std::vector<int> curveIds = model.FindSection(brokenSection)->curveIds;
        const std::vector<int> pointIds = model.FindCurve(brokenCurve)->pointIds;
        for (const MissingRecordCase& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.missingCurve != 0)
                model.FindSection(brokenSection)->curveIds.push_back(c.missingCurve);
            if (c.missingPoint != 0)
                model.FindCurve(brokenCurve)->pointIds.push_back(c.missingPoint);
            ClearRecordsAndUndo();
            const SectionCommandState before = CaptureSections();
            ExpectRefusedSectionCommand(command(c.ids), before, 0, c.text);
            model.FindSection(brokenSection)->curveIds = curveIds;
            model.FindCurve(brokenCurve)->pointIds = pointIds;
        }
    }

    // Every own point of the section moved by (dx, dy) from `before`.
    void ExpectOwnPointsShiftedBy(int sectionId, const SectionCommandState& before, double dx, double dy) const
    {
        const auto& was = before.sections.at(sectionId).ownPoints;
        ASSERT_FALSE(was.empty());
        for (const auto& [id, xy] : was) {
            const T_POINT_D* point = Section(sectionId).FindPoint(id);
            EXPECT_NEAR(point->xy[0], xy[0] + dx, 1e-9) << "own point " << id;
            EXPECT_NEAR(point->xy[1], xy[1] + dy, 1e-9) << "own point " << id;
        }
    }

    void ClearRecordsAndUndo()
    {
        model.ClearUndoStorage();
        user.ClearRecords();
    }
};
