#pragma once
// Plane sections built by hand the way domain building leaves them: section
// points and curves, loops that run every curve forwards (a curve run
// backwards gets a reversed twin), and domains naming their loops.

#include "model/SectionRecords.h"

#include <array>
#include <memory>
#include <vector>

class SectionBuilder {
public:
    explicit SectionBuilder(double scale = 1.0) : m_section(std::make_unique<T_SECTION_D>()), m_scale(scale)
    {
        m_section->name = "Section-P1";
    }

    int Point(double x, double y);
    int Curve(std::vector<int> pointIds, int divisions);
    // The reversed twin of a curve, as domain building makes it.
    int Twin(int curveId);
    int Loop(int kind, std::vector<int> curveIds);
    int Domain(std::vector<int> loopIds, int materialId);

    std::unique_ptr<T_SECTION_D> Take() { return std::move(m_section); }
    T_SECTION_D& Section() { return *m_section; }

private:
    std::unique_ptr<T_SECTION_D> m_section;
    double m_scale;
};

// A 200 x 50 rectangle split by an inner line at x = 100 into two domains
// (materials 1 and 2); the right domain runs the inner line through its twin.
std::unique_ptr<T_SECTION_D> SplitRectangleSection(double scale, int divisions, int innerDivisions);
