#include "view/Picking.h"

std::vector<SelectionHit> ReadHitRecords(const unsigned* buffer, std::size_t words, int hits)
{
    std::vector<SelectionHit> named;
    std::size_t at = 0;
    for (int record = 0; record < hits; ++record) {
        if (at + 3 > words)
            break;
        const unsigned nameCount = buffer[at];
        if (nameCount > words - at - 3)
            break;
        if (nameCount > 0 && buffer[at + 2 + nameCount] != 0)
            named.push_back({buffer[at + 2 + nameCount], buffer[at + 1]});
        at += 3 + nameCount;
    }
    return named;
}

int NearestHitKey(const std::vector<SelectionHit>& hits)
{
    int key = -1;
    unsigned best = 0;
    for (const SelectionHit& hit : hits) {
        if (key == -1 || hit.minDepth <= best) {
            best = hit.minDepth;
            key = static_cast<int>(hit.name);
        }
    }
    return key;
}
