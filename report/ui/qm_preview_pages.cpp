// The preview's page editing: blank pages added before, after or at the
// end from a neighbour's page settings, and a page deleted after asking.
#include <algorithm>

#include "platform/ui/dialogs.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_preview.h"

void TQmPreview::AppendPage() {
    TQmEndPages* pages = GetEndPages();
    if (!pages || pages->GetCount() == 0) return;
    pages->InsertPageFromInfo(pages->GetCount(), *pages->GetPage(pages->GetCount() - 1));
    RefreshPages(false);
}

void TQmPreview::InsertPageBefore() {
    TQmEndPages* pages = GetEndPages();
    if (!pages || pages->GetCount() == 0) return;
    const int at = std::min(currentPage_, pages->GetCount()) - 1;
    pages->InsertPageFromInfo(at, *pages->GetPage(at));
    RefreshPages(false);
}

void TQmPreview::InsertPageAfter() {
    TQmEndPages* pages = GetEndPages();
    if (!pages || pages->GetCount() == 0) return;
    if (currentPage_ > pages->GetCount()) {
        AppendPage();
        return;
    }
    pages->InsertPageFromInfo(currentPage_, *pages->GetPage(currentPage_ - 1));
    RefreshPages(false);
}

void TQmPreview::DeletePage(int index) {
    TQmEndPages* pages = GetEndPages();
    if (!pages || index < 0 || index >= pages->GetCount() || pages->GetCount() < 2) return;
    if (MessageBox(0, LoadReportString(47005).c_str(), LoadReportString(47006).c_str(), MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    pages->Delete(index);
    RefreshPages(true);
}
