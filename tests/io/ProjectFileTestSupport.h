#pragma once
// Shared by the project-file tests: a byte builder that encodes the layout on
// its own (so expected bytes never come from the code under test), a model that
// holds every kind of record, comparison of everything a project file stores,
// and a scratch folder.

#include "io/ProjectFileBytes.h"
#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Little-endian bytes in the order the file layout lists them.
class LayoutBytes {
public:
    LayoutBytes& Int(std::int32_t value);
    LayoutBytes& UInt(std::uint32_t value);
    LayoutBytes& Double(double value);
    LayoutBytes& Flag(bool value);
    LayoutBytes& Name(const std::string& name);
    LayoutBytes& IdList(const std::vector<int>& ids);
    LayoutBytes& Raw(const std::string& bytes);

    std::string bytes;
};

// The 76-byte header of version 20051227 (or the 68-byte one of older
// versions, which lack the angle step) with a new project's settings.
LayoutBytes NewProjectHeader(std::int32_t version = 20051227);
// The GCS record a new project writes: id 0, "GCS", mode 0, ten zero doubles.
LayoutBytes& AppendNewGcsRecord(LayoutBytes& file);

// Records with the fields the tests set; the rest at their defaults.
std::unique_ptr<T_POINT_D> MakePoint(int id, double x, double y);
std::unique_ptr<T_CURVE_D> MakeCurve(int id, std::vector<int> pointIds, int sectionId, std::vector<int> loopIds);
std::unique_ptr<T_GROUP_D> MakeGroup(int id, std::string name, std::vector<int> sectionIds, std::vector<int> curveIds,
                                     std::vector<int> pointIds);

// A model holding every kind of record: a calculated plane section with
// domains, loops, curves, facets and points, a calculated line section, a
// closed loop with a reversed curve, materials (one with a name of 1500
// bytes), a UCS besides the GCS, groups and non-default settings.
void BuildRichModel(CSectModel& model);

// Everything a project file stores, compared field by field.
void ExpectSameStoredContent(const CSectModel& expected, const CSectModel& actual);
// A model as its constructor left it.
void ExpectNewModel(const CSectModel& model);

// A model whose boxes and output lines the test can read.
struct ReportingModel {
    ReportingModel() { model.m_reporter.SetPorts(user.Ports()); }
    ScriptedUserPorts user;
    CSectModel model;
};

// The project file of the model, written in memory.
std::string ProjectBytes(CSectModel& model);
// Reads bytes as a project file named "memory.klx".
bool ReadFromBytes(CSectModel& model, const std::string& bytes, bool report = false);

std::string ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder per test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path Path(const std::string& name) const { return folder_ / name; }
    std::vector<std::string> FileNames() const;

private:
    std::filesystem::path folder_;
};
