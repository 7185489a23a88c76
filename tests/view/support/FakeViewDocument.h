#pragma once
// A document for view tests: owns a model that tests fill record by record,
// and the scripted user behind the model's reporter.

#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"
#include "view/ViewPorts.h"

#include <initializer_list>
#include <memory>
#include <string>

class FakeViewDocument : public IViewDocument {
public:
    FakeViewDocument();

    CSectModel* GetModel() override { return model.get(); }
    bool IsDisplayOutOfDate() const override { return outOfDate; }
    void SetDisplayOutOfDate(bool value) override { outOfDate = value; }
    std::string GetPathName() const override { return pathName; }
    void ChangeToGcs() override { ++gcsChanges; }
    void MarkProjectModified() override { modified = true; }

    T_POINT_D& AddPoint(int id, double x, double y);
    T_CURVE_D& AddCurve(int id, std::initializer_list<int> pointIds, double width = 0.0, int alignment = 1);
    T_LOOP_D& AddClosedLoop(int id, std::initializer_list<int> signedCurveIds);
    // A section of the model curves; the curves name it as their section.
    T_SECTION_D& AddSection(int id, int type, std::initializer_list<int> curveIds);
    T_MATERIAL_D& AddMaterial(int id, const std::string& name);
    // Adds a UCS and makes it the current one.
    void UseUcs(int id, double originX, double originY, double angle);

    std::unique_ptr<CSectModel> model = std::make_unique<CSectModel>();
    ScriptedUserPorts user;
    bool outOfDate = false;
    std::string pathName;
    int gcsChanges = 0;
    bool modified = false;
};

// The section's own geometry: points, one domain per call with its facets.
void AddSectionPoint(T_SECTION_D& section, int id, double x, double y);
T_DOMAIN_D& AddDomain(T_SECTION_D& section, int id, bool used, int materialId = 0);
void AddFacet(T_SECTION_D& section, int id, int domainId, int p1, int p2, int p3);
