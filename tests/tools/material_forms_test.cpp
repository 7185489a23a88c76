// The material item's checks and the material list's commands, without a
// display: the item dialog is played by the test, the list's document
// changes a real model.

#include "support/ScriptedUserPorts.h"
#include "tools/MaterialForms.h"
#include "view/support/RecordingToolDocument.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>

namespace {

// Records the material commands and runs them on its model.
class ModelDocument : public RecordingToolDocument {
public:
    ModelDocument() { model.m_reporter.SetPorts(modelUser.Ports()); }

    bool CreateMaterial(int id, const std::string& name, double modulus, double ratio) override
    {
        RecordingToolDocument::CreateMaterial(id, name, modulus, ratio);
        return model.CreateMaterial(id, name, modulus, ratio);
    }
    bool RedefineMaterial(int id, const std::string& name, double modulus, double ratio) override
    {
        RecordingToolDocument::RedefineMaterial(id, name, modulus, ratio);
        return model.RedefineMaterial(id, name, modulus, ratio);
    }
    bool DeleteMaterial(int id) override
    {
        RecordingToolDocument::DeleteMaterial(id);
        return model.DeleteMaterial(id);
    }

    ScriptedUserPorts modelUser;
};

void AddMaterials(CSectModel& model, std::initializer_list<int> ids)
{
    for (int id : ids)
        ASSERT_TRUE(model.CreateMaterial(id, "M" + std::to_string(id), 1000.0, 0.25));
}

// Names differ, so the model asks nothing.
MaterialItemFields Valid(const char* id)
{
    return {id, std::string("Concrete ") + id, "30000", "0.2"};
}

class MaterialItem : public testing::Test {
protected:
    void SetUp() override
    {
        model.m_reporter.SetPorts(modelUser.Ports());
        AddMaterials(model, {1, 2, 5});
    }

    CSectModel model;
    ScriptedUserPorts modelUser;
    ScriptedUserPorts user;
    MaterialItemForm item;
};

TEST_F(MaterialItem, AddProposesTheSmallestFreeIdAndModifyShowsTheMaterial)
{
    const MaterialItemFields added = item.InitialFields(model);
    EXPECT_EQ(added.id, "3");
    EXPECT_EQ(added.name, "");
    EXPECT_EQ(added.elasticModulus, "0");
    EXPECT_EQ(added.poissonRatio, "0");
    EXPECT_FALSE(item.ModifyMode());

    CSectModel empty;
    EXPECT_EQ(item.InitialFields(empty).id, "1");

    item.SetMaterial(2, "Steel", 210000.0, 0.3);
    const MaterialItemFields modified = item.InitialFields(model);
    EXPECT_EQ(modified.id, "2");
    EXPECT_EQ(modified.name, "Steel");
    EXPECT_EQ(modified.elasticModulus, "210000");
    EXPECT_EQ(modified.poissonRatio, "0.3");
    EXPECT_TRUE(item.ModifyMode());
}

TEST_F(MaterialItem, OkChecksInOrderAndKeepsTheValuesOnRefusal)
{
    const struct {
        const char* name;
        MaterialItemFields fields;
        std::optional<int> refused;  // the control to correct
        const char* box;
    } cases[] = {
        {"id in use", {"2", "Concrete", "30000", "0.2"}, ID_MATERIAL_ID, "Materia ID [2] is already defined."},
        {"empty name", {"9", "", "30000", "0.2"}, ID_MATERIAL_NAME, "Material name is not defined."},
        {"E too small", {"9", "Concrete", "0.0000005", "0.2"}, ID_MATERIAL_MODULUS,
         "Modulus of elasticity is invalid.\n\nIt should be greater than 0."},
        {"E zero", {"9", "Concrete", "0", "0.2"}, ID_MATERIAL_MODULUS,
         "Modulus of elasticity is invalid.\n\nIt should be greater than 0."},
        {"ratio zero", {"9", "Concrete", "30000", "0"}, ID_MATERIAL_RATIO,
         "Poisson's ratio is invalid.\n\nIt should be in the range of 0~0.5."},
        {"ratio half", {"9", "Concrete", "30000", "0.5"}, ID_MATERIAL_RATIO,
         "Poisson's ratio is invalid.\n\nIt should be in the range of 0~0.5."},
        {"E not a number", {"9", "Concrete", "abc", "0.2"}, ID_MATERIAL_MODULUS, "Please enter a number."},
        {"id not an integer", {"1.5", "Concrete", "30000", "0.2"}, ID_MATERIAL_ID, "Please enter an integer."},
        {"ratio not a number", {"9", "Concrete", "30000", "0.2x"}, ID_MATERIAL_RATIO, "Please enter a number."},
        // The id is checked before the name, the name before E.
        {"id and name", {"5", "", "30000", "0.2"}, ID_MATERIAL_ID, "Materia ID [5] is already defined."},
        {"name and E", {"9", "", "0", "0.2"}, ID_MATERIAL_NAME, "Material name is not defined."},
        {"smallest E", {"9", "Concrete", "0.000001", "0.2"}, std::nullopt, nullptr},
        {"smallest ratio", {"9", "Concrete", "30000", "0.000001"}, std::nullopt, nullptr},
        {"largest ratio", {"9", "Concrete", "30000", "0.499999"}, std::nullopt, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        MaterialItemForm form;
        EXPECT_EQ(form.Accept(c.fields, model, user), c.refused);
        if (c.box) {
            EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{c.box});
            EXPECT_EQ(form.id, 0);
            EXPECT_EQ(form.name, "");
            EXPECT_EQ(form.elasticModulus, 0.0);
        } else {
            EXPECT_TRUE(user.boxes.empty());
            EXPECT_EQ(form.id, 9);
            EXPECT_EQ(form.name, "Concrete");
        }
    }
}

TEST_F(MaterialItem, ModifyKeepsItsIdWithoutTheIdCheck)
{
    item.SetMaterial(2, "M2", 1000.0, 0.25);
    // The disabled id field's text is never read.
    MaterialItemFields fields{"not read", "Renamed", "2000", "0.3"};
    EXPECT_EQ(item.Accept(fields, model, user), std::nullopt);
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(item.id, 2);
    EXPECT_EQ(item.name, "Renamed");
    EXPECT_EQ(item.elasticModulus, 2000.0);
    EXPECT_EQ(item.poissonRatio, 0.3);
}

class MaterialList : public testing::Test {
protected:
    // The item dialog: each run takes the next answer (fields to accept, or
    // nothing for Cancel) and records the fields it opened with.
    bool RunItem(MaterialItemForm& item)
    {
        opened.push_back(item.InitialFields(document.model));
        if (answers.empty() || !answers.front()) {
            if (!answers.empty())
                answers.pop_front();
            return false;
        }
        const MaterialItemFields fields = *answers.front();
        answers.pop_front();
        return !item.Accept(fields, document.model, user);
    }
    std::vector<std::string> ShownIds()
    {
        std::vector<std::string> ids;
        for (const ExtListRow& row : list.List().Rows())
            ids.push_back(row.texts.at(0));
        return ids;
    }

    ModelDocument document;
    ScriptedUserPorts user;
    std::deque<std::optional<MaterialItemFields>> answers;
    std::vector<MaterialItemFields> opened;
    int redraws = 0;
    MaterialListForm list{document, user, [this](MaterialItemForm& item) { return RunItem(item); },
                          [this] { ++redraws; }};
};

TEST_F(MaterialList, TheColumnsAndTheRowsFollowTheModelInIdOrderWhateverTheOrderOfAdding)
{
    list.Fill();
    ASSERT_EQ(list.List().Columns().size(), 2u);
    EXPECT_EQ(list.List().Columns()[0].heading, "ID");
    EXPECT_EQ(list.List().Columns()[0].width, 40);
    EXPECT_EQ(list.List().Columns()[0].format, 1);
    EXPECT_EQ(list.List().Columns()[1].heading, "Name");
    EXPECT_EQ(list.List().Columns()[1].width, 217);
    EXPECT_EQ(list.List().Columns()[1].format, 0);

    for (const char* id : {"5", "1", "3"}) {
        answers.push_back(Valid(id));
        list.Add();
    }
    EXPECT_EQ(ShownIds(), (std::vector<std::string>{"1", "3", "5"}));
    EXPECT_EQ(list.List().Rows()[1].itemData, 3u);
    EXPECT_EQ(list.List().Rows()[1].texts[1], "Concrete 3");
    // Each Add proposed the smallest id free at the time.
    EXPECT_EQ(opened[0].id, "1");
    EXPECT_EQ(opened[2].id, "2");
    EXPECT_EQ(redraws, 0);

    // A cancelled item adds nothing.
    answers.push_back(std::nullopt);
    list.Add();
    EXPECT_EQ(document.model.m_materials.size(), 3u);
}

TEST_F(MaterialList, ModifyAndDeleteNeedARow)
{
    AddMaterials(document.model, {1});
    list.Fill();
    list.Modify();
    list.Delete();
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"No material is selected.", "No material is selected."}));
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(MaterialList, ModifyRedefinesTheSelectedMaterialRedrawsAndRefills)
{
    AddMaterials(document.model, {1, 4});
    list.Fill();
    list.SelectRow(1);
    answers.push_back(MaterialItemFields{"ignored", "Renamed", "2500", "0.3"});
    list.Modify();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].id, "4");
    EXPECT_EQ(opened[0].name, "M4");
    EXPECT_EQ(document.calls, std::vector<std::string>{"RedefineMaterial(4, \"Renamed\", 2500, 0.3)"});
    EXPECT_EQ(redraws, 1);
    EXPECT_EQ(list.List().Rows()[1].texts[1], "Renamed");
}

TEST_F(MaterialList, DeleteSelectsTheRowAtTheSamePlaceOrTheOneBefore)
{
    const struct {
        const char* name;
        std::initializer_list<int> ids;
        int row;
        std::vector<std::string> left;
        int selected;
    } cases[] = {
        {"middle row", {1, 2, 3}, 1, {"1", "3"}, 1},
        {"first row", {1, 2, 3}, 0, {"2", "3"}, 0},
        {"last row", {1, 2, 3}, 2, {"1", "2"}, 1},
        {"only row", {7}, 0, {}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        document.model.m_materials.clear();
        AddMaterials(document.model, c.ids);
        list.Fill();
        list.SelectRow(c.row);
        redraws = 0;
        list.Delete();
        EXPECT_EQ(ShownIds(), c.left);
        EXPECT_EQ(list.SelectedRow(), c.selected);
        EXPECT_EQ(redraws, 1);
    }
}

}  // namespace
