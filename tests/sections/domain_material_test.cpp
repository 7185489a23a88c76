// Section > Assign Domain Material in the model: when calculated properties
// survive, the refusals that change nothing, texts, base material and undo.

#include "SectionCommandSupport.h"

namespace {

using Pairs = std::vector<std::pair<int, int>>;

class DomainMaterialTest : public SectionCommandTest {
protected:
    void SetUp() override
    {
        AddMaterial(1, "Steel");
        AddMaterial(2, "Concrete");
        AddMaterial(3, "Timber");
        AddMaterial(4, "Rubber", 0.45);
    }

    // A 300 by 100 rectangle from (x0, 0), cut by two inner lines into three domains.
    int ThreeDomainSection(double x0 = 0.0)
    {
        const double a = x0 + 100, b = x0 + 200, c = x0 + 300;
        const std::vector<int> curves = {
            Draw({{x0, 0}, {a, 0}}),   Draw({{a, 0}, {b, 0}}),     Draw({{b, 0}, {c, 0}}),
            Draw({{c, 0}, {c, 100}}),  Draw({{c, 100}, {b, 100}}), Draw({{b, 100}, {a, 100}}),
            Draw({{a, 100}, {x0, 100}}), Draw({{x0, 100}, {x0, 0}}), Draw({{a, 0}, {a, 100}}),
            Draw({{b, 0}, {b, 100}})};
        const int id = GeneratePlane(curves);
        EXPECT_EQ(Section(id).domains.size(), 3u);
        return id;
    }

    void SetDomains(int sectionId, const std::vector<bool>& used, const std::vector<int>& materials)
    {
        int k = 0;
        for (auto& [domainId, domain] : model.FindSection(sectionId)->domains) {
            domain->used = used[k];
            domain->materialId = materials[k];
            ++k;
        }
    }

    static Pairs PairsOf(int sectionId, const std::vector<int>& domainIds)
    {
        Pairs pairs;
        for (int domainId : domainIds)
            pairs.push_back({sectionId, domainId});
        return pairs;
    }
};

struct InvalidationCase {
    const char* name;
    bool calculated;
    std::vector<bool> used;
    std::vector<int> materials;
    std::vector<int> listedDomains;
    int assigned;  // 1 to 3 share one Poisson's ratio, 4 has another; 0 is none (a ratio of 0)
    bool invalidated;
};

TEST_F(DomainMaterialTest, CalculatedPropertiesSurviveOnlyAnAssignmentThatCannotChangeThem)
{
    const std::vector<InvalidationCase> cases = {
        {"one used domain", true, {true, false, false}, {1, 2, 0}, {1}, 3, false},
        {"one used domain, another ratio", true, {true, false, false}, {1, 2, 0}, {1}, 4, true},
        {"one used domain, another ratio on an unused one", true, {true, false, false}, {1, 2, 0}, {2, 3}, 4, false},
        {"one used domain without a material, given one", true, {true, false, false}, {0, 0, 0}, {1}, 3, true},
        {"one used domain without a material, none again", true, {true, false, false}, {0, 0, 0}, {1}, 0, false},
        {"one used domain, its material removed", true, {true, false, false}, {1, 2, 0}, {1}, 0, true},
        {"one material, every domain listed", true, {true, true, false}, {1, 1, 0}, {1, 2, 3}, 3, false},
        {"one material, every domain listed, another ratio", true, {true, true, false}, {1, 1, 0}, {1, 2, 3}, 4, true},
        {"one material, the unused domain left out", true, {true, true, false}, {1, 1, 0}, {1, 2}, 3, true},
        {"one material, a used domain left out", true, {true, true, false}, {1, 1, 0}, {2, 3}, 3, true},
        {"two materials, every domain listed", true, {true, true, true}, {1, 2, 2}, {1, 2, 3}, 3, true},
        {"two materials, not calculated", false, {true, true, true}, {1, 2, 2}, {1}, 3, false},
        {"another ratio, not calculated", false, {true, false, false}, {1, 2, 0}, {1}, 4, false},
    };
    double x0 = 0.0;
    for (const InvalidationCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int id = ThreeDomainSection(x0);
        x0 += 1000.0;
        SetDomains(id, c.used, c.materials);
        const int centroid = c.calculated ? MarkCalculated(id, 150, 50) : 0;
        user.ClearRecords();

        const Pairs pairs = PairsOf(id, c.listedDomains);
        ASSERT_TRUE(model.AssignDomainMaterial(&pairs, c.assigned, false));

        EXPECT_EQ(Section(id).propertiesCalculated, c.calculated && !c.invalidated);
        if (c.calculated) {
            EXPECT_EQ(model.FindPoint(centroid) != nullptr, !c.invalidated);
            EXPECT_EQ(Section(id).centroidPointId, c.invalidated ? 0 : centroid);
        }
        const std::vector<std::string> expectedBoxes =
            c.invalidated ? std::vector<std::string>{"The properties of 1 plane section are invalidated.\n\n"
                                                     "Re-calculate the properties using [Properties]-[Calculate]."}
                          : std::vector<std::string>{};
        EXPECT_EQ(user.BoxTexts(), expectedBoxes);
        for (int domainId : c.listedDomains)
            EXPECT_EQ(Section(id).FindDomain(domainId)->materialId, c.assigned);
    }
}

TEST_F(DomainMaterialTest, OneBoxCountsEveryInvalidatedSectionOnce)
{
    const int a = ThreeDomainSection();
    SetDomains(a, {true, true, true}, {1, 2, 2});
    MarkCalculated(a, 150, 50);
    const int b = ThreeDomainSection(1000.0);
    SetDomains(b, {true, true, true}, {1, 1, 1});
    MarkCalculated(b, 150, 50);
    user.ClearRecords();

    // Section a is named twice; b loses its properties through the domain left out.
    const Pairs pairs = {{a, 1}, {b, 1}, {a, 2}};
    ASSERT_TRUE(model.AssignDomainMaterial(&pairs, 2, false));

    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"The properties of 2 plane sections are invalidated.\n\n"
                                                        "Re-calculate the properties using [Properties]-[Calculate]."});
    EXPECT_FALSE(Section(a).propertiesCalculated);
    EXPECT_FALSE(Section(b).propertiesCalculated);
    EXPECT_EQ(UndoTitle(), "Assign material to 3 domains");
    EXPECT_EQ(user.LastLine(), "Material [2:Concrete] is assigned to 3 domains.");
}

TEST_F(DomainMaterialTest, RefusalsChangeNothingAndOpenNoAction)
{
    const int plane = ThreeDomainSection();
    SetDomains(plane, {true, true, true}, {1, 1, 1});
    MarkCalculated(plane, 150, 50);
    const int line = GenerateLine({Draw({{0, 500}, {100, 500}})});
    ClearRecordsAndUndo();

    struct Refusal {
        Pairs pairs;
        int materialId;
        std::string text;
    };
    const std::vector<Refusal> refusals = {
        {{{plane, 1}}, -1, "Material ID is invalid."},
        {{{plane, 1}}, 7, "Cannot find material [ID:7] data."},
        {{{plane, 1}, {42, 1}}, 2, "Cannot find section [ID:42] object."},
        {{{plane, 1}, {plane, 9}}, 2, "Internal model data of section [1:Section-P1] seem corrupted."},
        {{{plane, 2}, {line, 1}}, 2, "Internal model data of section [2:Section-L2] seem corrupted."},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.text);
        const SectionCommandState before = CaptureSections();
        const bool result = model.AssignDomainMaterial(&r.pairs, r.materialId, true);
        ExpectRefusedSectionCommand(result, before, 0, r.text);
        user.ClearRecords();
    }
}

TEST_F(DomainMaterialTest, TitlesLinesAndBaseMaterial)
{
    const int id = ThreeDomainSection();
    SetDomains(id, {true, false, false}, {1, 0, 0});
    user.ClearRecords();

    const Pairs twice = PairsOf(id, {2, 2});
    ASSERT_TRUE(model.AssignDomainMaterial(&twice, 1, false));
    EXPECT_EQ(UndoTitle(), "Assign material to 2 domains");
    EXPECT_EQ(user.LastLine(), "Material [1:Steel] is assigned to 2 domains.");
    EXPECT_EQ(Section(id).assignedBaseMaterialId, 0);

    const Pairs once = PairsOf(id, {3});
    ASSERT_TRUE(model.AssignDomainMaterial(&once, 2, true));
    EXPECT_EQ(UndoTitle(), "Assign material to 1 domain");
    EXPECT_EQ(user.LastLine(), "Material [2:Concrete] is assigned to 1 domain.");
    EXPECT_EQ(Section(id).assignedBaseMaterialId, 2);

    ASSERT_TRUE(model.AssignDomainMaterial(&once, 0, true));
    EXPECT_EQ(user.LastLine(), "Material information is removed from 1 domain.");
    EXPECT_EQ(Section(id).FindDomain(3)->materialId, 0);
    EXPECT_EQ(Section(id).assignedBaseMaterialId, 0);

    const Pairs none;
    ASSERT_TRUE(model.AssignDomainMaterial(&twice, 0, false));
    EXPECT_EQ(user.LastLine(), "Material information is removed from 2 domains.");
    const int undoTop = model.m_undoTopId;
    ASSERT_TRUE(model.AssignDomainMaterial(&none, 1, false));
    EXPECT_EQ(model.m_undoTopId, undoTop) << "no domain changed: nothing to undo";
    EXPECT_EQ(user.LastLine(), "Nothing is changed: no domain is chosen.");
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(DomainMaterialTest, UndoRestoresMaterialsBaseMaterialAndCalculatedState)
{
    const int id = ThreeDomainSection();
    SetDomains(id, {true, true, false}, {1, 2, 0});
    model.FindSection(id)->assignedBaseMaterialId = 1;
    MarkCalculated(id, 150, 50);
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    const Pairs pairs = PairsOf(id, {1, 3});
    ASSERT_TRUE(model.AssignDomainMaterial(&pairs, 3, true));
    EXPECT_FALSE(Section(id).propertiesCalculated);
    EXPECT_EQ(Section(id).assignedBaseMaterialId, 3);

    ExpectUndoRedoRestoresSections(before);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.IsUndoEmpty());
}

}  // namespace
