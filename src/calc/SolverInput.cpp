#include "calc/SolverInput.h"

#include <stdexcept>

void ElementStream::AppendElement(std::span<const int> equations, std::span<const double> upperTriangle) {
    const std::size_t n = equations.size();
    if (upperTriangle.size() != n * (n + 1) / 2) {
        throw std::invalid_argument("element stiffness does not match its equation count");
    }
    equations_.insert(equations_.end(), equations.begin(), equations.end());
    equationStart_.push_back(equations_.size());
    coefficients_.insert(coefficients_.end(), upperTriangle.begin(), upperTriangle.end());
    coefficientStart_.push_back(coefficients_.size());
}

std::span<const int> ElementStream::Equations(int element) const {
    const std::size_t e = static_cast<std::size_t>(element);
    return std::span<const int>(equations_).subspan(equationStart_.at(e), equationStart_.at(e + 1) - equationStart_[e]);
}

std::span<const double> ElementStream::UpperTriangle(int element) const {
    const std::size_t e = static_cast<std::size_t>(element);
    return std::span<const double>(coefficients_)
        .subspan(coefficientStart_.at(e), coefficientStart_.at(e + 1) - coefficientStart_[e]);
}
