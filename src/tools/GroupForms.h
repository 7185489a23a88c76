#pragma once
// The forms of the Group page's eight dialogs. Every dialog but Create lists
// the model's groups by name in the order of the group map (ascending id),
// with nothing chosen after a fill; its group controls are enabled while the
// model holds a group and disabled without one. Add's list is an editable
// combo that stays enabled, so a new group's name can be typed; a refill
// empties its text.

#include "tools/ExportFileName.h"
#include "tools/ListedDialogForm.h"
#include "tools/SectionExportFormats.h"

#include <string>
#include <vector>

enum GroupDialogControl {
    ID_GROUP_CREATE_NAME = 1326,
    ID_GROUP_RENAME_GROUP = 1338,
    ID_GROUP_RENAME_NEW_NAME = 1336,
    ID_GROUP_DELETE_GROUP = 1328,
    ID_GROUP_MERGE_FROM = 1330,
    ID_GROUP_MERGE_TO = 1331,
    ID_GROUP_MERGE_DELETE_FROM = 1121,
    ID_GROUP_EXPORT_GROUP = 1339,
    ID_GROUP_EXPORT_FILE_NAME = 1331,
    ID_GROUP_EXPORT_BROWSE = 1332,
    ID_GROUP_QUERY_GROUP = 1387,
    ID_GROUP_ADD_GROUP = 1327,
    ID_GROUP_EXPEL_GROUP = 1329,
};

// The export formats' radios; the index is the format code.
extern const int GROUP_EXPORT_RADIOS[EXPORT_FORMAT_COUNT];

// A dialog with group lists: the combos it fills and the controls switched
// with the presence of groups.
class CGroupListForm : public CListedDialogForm {
public:
    CGroupListForm(std::vector<int> combos, std::vector<int> switchedControls);

    void OnShow() override { UpdateGroupList(); }
    void UpdateList() override { UpdateGroupList(); }
    virtual void UpdateGroupList();

    // The chosen group of the dialog's first combo; empty when none.
    std::string GetSelectedGroup() const { return ChosenText(combos_.front()); }

private:
    std::vector<int> combos_;
    std::vector<int> switchedControls_;
};

class CGToolCreate : public CListedDialogForm {
public:
    CGToolCreate();
    const std::string& Name() const { return Field(ID_GROUP_CREATE_NAME)->text; }
};

class CGToolRename : public CGroupListForm {
public:
    CGToolRename();
    const std::string& NewName() const { return Field(ID_GROUP_RENAME_NEW_NAME)->text; }
    // The chosen group's name goes into the new-name field.
    void OnSelChangeGroup();

protected:
    void OnClick(int controlId) override;
};

class CGToolDelete : public CGroupListForm {
public:
    CGToolDelete();
};

class CGToolMerge : public CGroupListForm {
public:
    CGToolMerge();
    std::string GetFromGroup() const { return ChosenText(ID_GROUP_MERGE_FROM); }
    std::string GetToGroup() const { return ChosenText(ID_GROUP_MERGE_TO); }
    bool DeleteFromGroup() const { return Checked(ID_GROUP_MERGE_DELETE_FROM); }
};

// The file is named with "..." or typed into the name field; the path "..."
// gives is forgotten, with the field's text, at every show and every change
// of the format, so a file is only ever written in the format it was chosen
// for.
class CGToolExport : public CGroupListForm {
public:
    CGToolExport();

    void OnShow() override;
    // "...": the save-file chooser for the format; a cancel changes nothing.
    void OnBrowse();
    void OnFormatChanged();

    int Format() const { return Choice(GROUP_EXPORT_RADIOS[0]); }
    const std::string& ChosenPath() const { return file_.ChosenPath(); }
    // The file Apply writes: the chosen one, or the name typed over it with
    // the format's extension.
    ExportFile TargetFile() const;

protected:
    void OnClick(int controlId) override;

private:
    ExportFileField file_;
};

class CGToolQuery : public CGroupListForm {
public:
    CGToolQuery();
};

// Add's combo: the typed text is the field, the group names its rows.
class CGToolAdd : public CGroupListForm {
public:
    CGToolAdd();
    void UpdateGroupList() override;
    // Whatever was typed or chosen.
    const std::string& GetGroupName() const { return Field(ID_GROUP_ADD_GROUP)->text; }

protected:
    void OnClick(int controlId) override;
};

class CGToolExpel : public CGroupListForm {
public:
    CGToolExpel();
    std::string GetGroupName() const { return GetSelectedGroup(); }
};
