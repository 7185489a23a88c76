#pragma once
// What the result list shows and writes, over the model alone: the sections
// in the chosen order, the texts of the value column, the base material, and
// the write of hand-corrected values.

#include <array>
#include <optional>
#include <string>
#include <vector>

class CSectModel;
class IMessageBoxPort;
struct T_SECTION_D;

// The list-order codes, in the order of the order combo box.
enum ResultListOrder {
    ORDER_CREATION,
    ORDER_NAME,
    ORDER_LOCATION,
    ORDER_AREA,
    ORDER_SHEAR_AREA_X,
    ORDER_SHEAR_AREA_Y,
    ORDER_IXX,
    ORDER_IYY,
    ORDER_IXY,
    ORDER_TORSION,
    RESULT_LIST_ORDER_COUNT
};

extern const char* const kResultListOrderNames[RESULT_LIST_ORDER_COUNT];

struct ListedSection {
    int id = 0;
    bool unlocated = false;  // listed by location without one: shown with " (*)"
};

// The calculated sections in the given order. Values come largest first;
// near-equal values form runs listed in ascending id.
std::vector<ListedSection> FillSectionList(const CSectModel& model, int listOrder);

// The value column, one text per calculated value (row 1 holds results[0]).
using ResultCellTexts = std::array<std::string, 11>;

// "%lf", unless that shows fewer than six significant digits of a value
// other than 0; then "%.6g".
std::string FormatResultValue(double value);
ResultCellTexts ResultValueTexts(const T_SECTION_D& section);
// The value column's header for the project's length unit code.
std::string LengthUnitHeader(int lengthUnitCode);
// "(id) name" of the section's calculated base material; "" without one.
std::string BaseMaterialText(const CSectModel& model, const T_SECTION_D& section);

struct ResultEditOutcome {
    bool written = false;
    std::optional<int> refusedRow;  // index into the texts of a cell that is not a number
};

// Modify: the cells whose text differs from what was shown are read as
// numbers and stored; untouched cells keep their stored values exactly. A
// cell that is not a number refuses the whole write. The first write of an
// opening of the dialog begins its undo action (undoOpened tracks it).
ResultEditOutcome ApplyResultEdits(CSectModel& model, int sectionId, const ResultCellTexts& shown,
                                   const ResultCellTexts& cells, bool& undoOpened, IMessageBoxPort& boxes);
