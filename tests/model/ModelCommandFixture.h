#pragma once
// A model wired to the scripted user, with builders for the records the
// UCS, unit, material, group and invalidation tests put into it.

#include "model/SectModel.h"
#include "RecordBuilders.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

struct DomainSetup {
    int materialId;
    bool used;
};

class ModelCommandFixture : public ::testing::Test {
protected:
    ModelCommandFixture() { model.m_reporter.SetPorts(user.Ports()); }

    T_POINT_D& AddPoint(int id, double x, double y)
    {
        model.m_points[id] = MakePoint(id, x, y);
        return *model.m_points[id];
    }

    T_CURVE_D& AddCurve(int id, std::vector<int> pointIds, double width = 0.0)
    {
        auto curve = std::make_unique<T_CURVE_D>();
        curve->id = id;
        curve->pointIds = std::move(pointIds);
        curve->width = width;
        model.m_curves[id] = std::move(curve);
        return *model.m_curves[id];
    }

    T_MATERIAL_D& AddMaterial(int id, const std::string& name, double modulus = 2.0e5, double ratio = 0.3)
    {
        auto material = std::make_unique<T_MATERIAL_D>();
        material->id = id;
        material->name = name;
        material->elasticModulus = modulus;
        material->poissonRatio = ratio;
        model.m_materials[id] = std::move(material);
        return *model.m_materials[id];
    }

    // A section of the given type with one domain per setup; calculated with
    // the given centroid point when centroidPointId is not 0.
    T_SECTION_D& AddSection(int id, int type, const std::vector<DomainSetup>& domains, int centroidPointId = 0)
    {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = id;
        section->type = type;
        section->name = "S" + std::to_string(id);
        for (const DomainSetup& setup : domains) {
            auto domain = std::make_unique<T_DOMAIN_D>();
            domain->id = section->nextDomainId++;
            domain->materialId = setup.materialId;
            domain->used = setup.used;
            section->domains[domain->id] = std::move(domain);
        }
        if (centroidPointId != 0) {
            section->propertiesCalculated = true;
            section->centroidPointId = centroidPointId;
            for (int i = 0; i < RESULT_COUNT; ++i)
                section->results[i] = 10.0 + i;
        }
        model.m_sections[id] = std::move(section);
        return *model.m_sections[id];
    }

    ScriptedUserPorts user;
    CSectModel model;
};
