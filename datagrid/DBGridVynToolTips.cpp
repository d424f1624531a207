#include "datagrid/DBGridVynToolTips.h"

#include "platform/ui/graphics.h"

TRect TToolTipsWindow::CalcHintRect(int maxWidth, const AnsiString& hint, void* data) {
    if (auto* font = static_cast<TFont*>(data)) {
        Font()->Assign(font);
        Font()->SetColor(clWindowText);
    }
    return THintWindow::CalcHintRect(maxWidth, hint, data);
}
