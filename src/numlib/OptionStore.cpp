#include "numlib/OptionStore.h"

#include "numlib/CharRoutines.h"
#include "numlib/ErrorStack.h"
#include "numlib/NumlibContext.h"

#include <cstdlib>

namespace {

ProductOptions* FindProduct(std::string_view name)
{
    for (ProductOptions& product : NumlibState().products) {
        if (CompareFolded(name, product.name) == 0) {
            return &product;
        }
    }
    return nullptr;
}

bool ValidOption(const std::vector<OptionValues>& chapter, int option)
{
    const int number = std::abs(option);
    return number >= 1 && number <= static_cast<int>(chapter.size()) &&
           !chapter[static_cast<std::size_t>(number - 1)].defaults.empty();
}

void TransferValues(std::vector<OptionValues>& chapter, int IACT, int NUMOPT, const int* IOPTS, int* IVALS)
{
    int next = 0;
    for (int i = 0; i < NUMOPT; ++i) {
        OptionValues& values = chapter[static_cast<std::size_t>(std::abs(IOPTS[i]) - 1)];
        for (std::size_t v = 0; v < values.current.size(); ++v) {
            if (IACT == 1) {
                IVALS[next++] = IOPTS[i] < 0 ? values.defaults[v] : values.current[v];
            } else if (IOPTS[i] < 0) {
                values.current[v] = values.defaults[v];
            } else {
                values.current[v] = IVALS[next++];
            }
        }
    }
}

}  // namespace

void OptionStore(std::string_view PRODNM, int ICHP, int IACT, int NUMOPT, const int* IOPTS, int* IVALS)
{
    ErrPush("OptionStore");
    ProductOptions* product = FindProduct(PRODNM.substr(0, 4));
    if (IACT != 1 && IACT != 2) {
        ErrSetInt(1, IACT);
        ErrPost(5, 1, "IACT must be 1 to get option values or 2 to put option values.  IACT = %(I1) is invalid.");
    }
    if (product == nullptr) {
        ErrSetText(1, PRODNM);
        ErrPost(5, 2, "The product name must be either MATH or STAT.  PRODNM = %(L1) is invalid.");
    }
    if (ErrCode(0) == 0) {
        const int chapters = static_cast<int>(product->chapters.size());
        const std::string name = product->name;
        if (ICHP < 1 || ICHP > chapters) {
            ErrSetInt(1, ICHP);
            ErrSetInt(2, chapters);
            ErrPost(5, 3, "ICHP = %(I1) is an invalid " + name + " chapter number.  To get or put " + name +
                              " options, ICHP must be between 1 and %(I2).");
        } else {
            std::vector<OptionValues>& chapter = product->chapters[static_cast<std::size_t>(ICHP - 1)];
            if (chapter.empty()) {
                ErrSetInt(1, ICHP);
                ErrPost(5, 4, "No options exist for " + name + " chapter %(I1).  Only existing options may have values retrieved from or placed into them.");
            }
            if (NUMOPT < 1) {
                ErrSetInt(1, NUMOPT);
                ErrPost(5, 5, "NUMOPT = %(I1) is an invalid number of options.  NUMOPT must be greater than zero.");
            }
            if (ErrCode(0) == 0) {
                for (int i = 0; i < NUMOPT; ++i) {
                    if (!ValidOption(chapter, IOPTS[i])) {
                        ErrSetInt(1, i + 1);
                        ErrSetInt(2, IOPTS[i]);
                        ErrSetText(1, name);
                        ErrSetInt(3, ICHP);
                        ErrPost(5, 6, "IOPTS(%(I1)) = %(I2) is an invalid %(L1) chapter %(I3) option number.");
                    }
                }
                if (ErrCode(0) == 0) {
                    TransferValues(chapter, IACT, NUMOPT, IOPTS, IVALS);
                }
            }
        }
    }
    ErrPop("OptionStore");
}
