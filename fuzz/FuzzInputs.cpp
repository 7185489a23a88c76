#include "FuzzInputs.h"

#include "io/ProjectFileBytes.h"
#include "model/SectModel.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

bool ReadProject(CSectModel& model, const std::uint8_t* data, std::size_t size)
{
    ProjectFileReader file(std::string(reinterpret_cast<const char*>(data), size), "fuzz.klx");
    return model.ReadProjectFile(file, false);
}

// The reader takes a path: the bytes go to a file of this process's own.
std::string ScratchDrawing(const std::uint8_t* data, std::size_t size)
{
    const std::string path =
        (std::filesystem::temp_directory_path() / ("klx_fuzz_" + std::to_string(::getpid()) + ".dxf")).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace

void FuzzProjectReader(const std::uint8_t* data, std::size_t size)
{
    CSectModel model;
    if (!ReadProject(model, data, size))
        return;
    // What was read saves, and the save reads back.
    ProjectFileWriter file;
    model.WriteProjectContents(file);
    CSectModel again;
    ProjectFileReader reread(file.Bytes(), "fuzz.klx");
    again.ReadProjectFile(reread, false);
}

void FuzzDxfReader(const std::uint8_t* data, std::size_t size)
{
    const std::string path = ScratchDrawing(data, size);
    CSectModel model;
    if (!model.BeginDxfImport())
        return;
    const double shift[2] = {0.0, 0.0};
    if (model.ReadDxfFile(path.c_str(), shift, 0.0))
        model.FinishDxfImport("fuzz");
    std::filesystem::remove(path);
}

void FuzzProjectCalculation(const std::uint8_t* data, std::size_t size)
{
    CSectModel model;
    if (!ReadProject(model, data, size))
        return;
    model.BeginUndoAction();
    for (const auto& [id, section] : model.m_sections) {
        if (section->type == SECTION_PLANE) {
            if (model.MeshPlaneSection(section.get(), 3, 0.0))
                model.CalcPlaneSectionProperties(section.get());
        } else {
            model.CalcLineSectionProperties(section.get());
        }
        model.ClearFeMesh();
    }
}
