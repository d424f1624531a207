// The vertical scroll bar moves the dataset, not the rows: lines and pages
// by records, the thumb to a record number (or, without record numbers, to
// five positions from the first record to the last).
#include "datagrid/DBGridVyn.h"
#include "platform/data/dataset.h"
#include "platform/win/winscroll.h"

void TCustomDBGridVyn::WMVScroll(TMessage& Message) {
    if (CanFocus() && !Focused()) SetFocus();
    if (!dataLink_->Active()) return;
    TDataSet* dataSet = dataLink_->DataSet();
    const int code = LOWORD(Message.WParam);
    // The position of the bar that sent it: an external bar names itself.
    auto trackPosition = [&] {
        SCROLLINFO info{};
        info.fMask = SIF_TRACKPOS;
        const HWND bar = static_cast<HWND>(Message.LParam);
        GetScrollInfo(bar ? bar : Handle(), bar ? SB_CTL : SB_VERT, &info);
        return info.nTrackPos;
    };
    if (MemTableMode()) return MemTableVertScroll(code, code == SB_THUMBPOSITION || code == SB_THUMBTRACK ? trackPosition() : 0);
    const int footerRows = footerRowCount_ > 0 ? footerRowCount_ + 1 : 0;
    const int page = std::max(VisibleRowCount() - footerRows, 1);
    switch (code) {
        case SB_LINEUP:
            dataSet->MoveBy(-(dataLink_->ActiveRecord() + 1));
            break;
        case SB_LINEDOWN:
            dataSet->MoveBy(dataLink_->RecordCount() - dataLink_->ActiveRecord());
            break;
        case SB_PAGEUP:
            dataSet->MoveBy(-page);
            break;
        case SB_PAGEDOWN:
            dataSet->MoveBy(page);
            break;
        case SB_THUMBPOSITION: {
            if (thumbTracked_) {
                thumbTracked_ = false;
                break;
            }
            const int position = trackPosition();
            if (!sumList_->RecordsSequenced()) {
                if (position == 0) dataSet->First();
                if (position == 1) dataSet->MoveBy(-page);
                if (position == 3) dataSet->MoveBy(page);
                if (position == 4) dataSet->Last();
            } else if (position >= sumList_->VirtualRecordCount()) {
                dataSet->Last();
            } else if (position > 1) {
                sumList_->SetVirtualRecNo(position);
            } else {
                dataSet->First();
            }
            break;
        }
        case SB_THUMBTRACK:
            if (vertScrollBar_->Tracking() && sumList_->RecordsSequenced()) {
                dataSet->MoveBy(trackPosition() - sumList_->VirtualRecNo());
                thumbTracked_ = true;
            }
            break;
        case SB_TOP:
            dataSet->First();
            break;
        case SB_BOTTOM:
            dataSet->Last();
            break;
    }
}
