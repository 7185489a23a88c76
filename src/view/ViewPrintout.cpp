#include "view/ViewPrintout.h"

#include <wx/dc.h>

namespace {

constexpr int PAGE_MARGIN = 100;

}  // namespace

wxRect PrintTargetRect(const wxSize& client, const wxSize& pageSize, const wxSize& ppi)
{
    if (client.x <= 0 || client.y <= 0 || ppi.x <= 0 || ppi.y <= 0)
        return wxRect();
    const int width = pageSize.x - 2 * PAGE_MARGIN;
    // The page height the picture's shape asks for, in printer pixels.
    const double wanted = static_cast<double>(client.y) * pageSize.x * ppi.y / (static_cast<double>(client.x) * ppi.x);
    const int height = static_cast<int>(wanted) - 2 * PAGE_MARGIN;
    if (width <= 0 || height <= 0)
        return wxRect();
    const int room = pageSize.y - 2 * PAGE_MARGIN;
    if (height <= room)
        return wxRect(PAGE_MARGIN, PAGE_MARGIN, width, height);
    if (room <= 0)
        return wxRect();
    const int shrunkWidth = static_cast<int>(static_cast<double>(width) * room / height);
    return wxRect(PAGE_MARGIN, PAGE_MARGIN, shrunkWidth, room);
}

CViewPrintout::CViewPrintout(const CDibCapture& picture) : wxPrintout("KLX"), picture_(picture) {}

bool CViewPrintout::OnPrintPage(int page)
{
    wxDC* dc = GetDC();
    if (!dc || page != 1)
        return false;
    wxSize pageSize;
    GetPageSizePixels(&pageSize.x, &pageSize.y);
    wxSize ppi;
    GetPPIPrinter(&ppi.x, &ppi.y);
    // A preview draws into a smaller bitmap: the page's printer pixels are
    // mapped onto it.
    const wxSize device = dc->GetSize();
    if (pageSize.x > 0 && pageSize.y > 0)
        dc->SetUserScale(static_cast<double>(device.x) / pageSize.x, static_cast<double>(device.y) / pageSize.y);
    const wxSize client(picture_.Image().width, picture_.Image().height);
    picture_.Draw(*dc, PrintTargetRect(client, pageSize, ppi), wxRect(client));
    return true;
}

void CViewPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo)
{
    *minPage = *maxPage = *pageFrom = *pageTo = 1;
}
