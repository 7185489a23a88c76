#pragma once
// The forms under the Properties page's three tool dialogs: what the user
// chose in them, kept between showings, and the resets of each showing. The
// radio groups, the slider and the check boxes are plain members here; the
// dialogs mirror them and tell each form of the user's changes.

#include "frame/ToolForm.h"
#include "tools/ExportFileName.h"

#include <functional>
#include <string>

enum CalcToolControl {
    ID_CALC_MESH_DENSITY = 1341,
    ID_CALC_MESH_SIZE_MODE = 1342,
    ID_CALC_MESH_SIZE = 1343,
    ID_CALC_SLIDER = 1252,
    ID_CALC_COARSE = 1112,
    ID_CALC_FINE = 1113,
    ID_CALC_PAUSE = 1253,
    ID_CALC_RECALCULATE = 1254,
    ID_CALC_EXPORT_FILE_NAME = 1391,
    ID_CALC_EXPORT_BROWSE = 1392,
};

// What a form tells its dialog when it changes the controls that are not
// fields (radios, slider, check boxes) itself.
class CalcToolChoicesForm : public CToolForm {
public:
    void SetChoicesObserver(std::function<void()> changed) { choicesChanged_ = std::move(changed); }

protected:
    void NotifyChoices() const
    {
        if (choicesChanged_)
            choicesChanged_();
    }

private:
    std::function<void()> choicesChanged_;
};

enum MeshMode { MESH_BY_DENSITY = 0, MESH_BY_SIZE = 1 };

// "Calculate Property": the mesh by density (a level from 1 "Coarse" to 5
// "Fine") or by size, and the two check boxes.
class CalcForm : public CalcToolChoicesForm {
public:
    static constexpr int COARSEST = 1;
    static constexpr int FINEST = 5;

    CalcForm();

    // Each showing starts at density level 3 with both boxes unchecked; the
    // size field shows the size last read.
    void ResetForShow();
    // The radios: the mode's group enabled, the other disabled.
    void SetMeshMode(int mode);
    int MeshMode() const { return meshMode_; }
    // Whether the density group (slider and its two labels) is enabled.
    bool DensityEnabled() const { return meshMode_ == MESH_BY_DENSITY; }
    // The size read at the last calculation in size mode.
    double MeshSize() const { return Field(ID_CALC_MESH_SIZE)->real; }

    int densityLevel = 3;
    bool pauseAfterEach = false;
    bool recalculate = false;

private:
    int meshMode_ = MESH_BY_DENSITY;
};

// "Display Property": which calculated property the labels show, in the
// order of the view's property labels (Area, Asx, Asy, Ixx, Iyy, Ixy, J).
class DisplayForm : public CalcToolChoicesForm {
public:
    // The radio shows the property of the last Apply; true at the first
    // showing only.
    bool ResetForShow();
    void Choose(int index) { chosen_ = index; }
    int Chosen() const { return chosen_; }
    // Apply: the chosen property becomes the shown one.
    int TakeChosen();

private:
    int chosen_ = 0;
    int applied_ = 0;
    bool shownBefore_ = false;
};

// One export format of the properties.
struct PropertyExportFormat {
    const char* label;
    const char* filter;  // the save-file chooser's "description|pattern|..."
    const char* extension;
};

constexpr int PROPERTY_EXPORT_FORMAT_COUNT = 3;
// Indexed by the format code ExportProperties takes.
const PropertyExportFormat& PropertyExportFormatOf(int format);

// "Export Property": the format and the file chosen for it, or a name typed
// into the file-name field.
class ExportForm : public CalcToolChoicesForm {
public:
    ExportForm();

    // Format 0, no file.
    void ResetForShow();
    // A new format forgets the file.
    void SetFormat(int format);
    int Format() const { return format_; }
    // "...": asks the save-file chooser for a file of the format.
    void Browse();
    const std::string& ChosenPath() const { return file_.ChosenPath(); }
    // The file Apply writes: the chosen one, or the name typed over it.
    ExportFile TargetFile() const;

private:
    int format_ = 0;
    ExportFileField file_;
};
