#include "model/NameLookup.h"

#include "model/SectModel.h"

bool NamesMatch(const std::string& lhs, const std::string& rhs)
{
    std::string loweredLhs;
    std::string loweredRhs;
    CSectModel::ToLowerCase(lhs, loweredLhs);
    CSectModel::ToLowerCase(rhs, loweredRhs);
    return loweredLhs == loweredRhs;
}
