// The preview's text search: each page drawn into a metafile whose text
// records are read in order, the hit's page shown with the hit inverted.
#include <cmath>
#include <cstring>
#include <memory>

#include "platform/gdi/wingdi_emf.h"
#include "platform/win/winpaint.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/forms.h"
#include "platform/ui/metafile.h"
#include "platform/ui/stdctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_utils.h"
#include "report/ui/qm_dlgfind.h"
#include "report/ui/qm_preview.h"

bool IsWholeWordMatch(const AnsiString& searchText, const AnsiString& text) {
    if (searchText.empty()) return false;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(searchText, from);
        if (at == AnsiString::npos) return false;
        const std::size_t after = at + searchText.size();
        if (after >= text.size()) return true;
        const auto next = static_cast<unsigned char>(text[after]);
        if (next == ' ' || next == 13 || next == '-' || IsDBCSLeadByte(next)) return true;
        from = after;
    }
}

namespace {

// What one page's enumeration needs and finds.
struct PageSearch {
    const AnsiString& text;
    bool caseSensitive, wholeWords;
    int startRecord;
    int counter = 0;
    bool found = false;
    TRect bounds{};
};

AnsiString RecordText(const ENHMETARECORD* record) {
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const char* string = reinterpret_cast<const char*>(record) + out->emrtext.offString;
    const std::size_t count = out->emrtext.nChars;
    if (GetWindowsVersionText() != "NT") return AnsiString(string, count);
    WideString wide(count, u'\0');
    std::memcpy(wide.data(), string, count * sizeof(char16_t));
    return WideToAnsi(wide);
}

int SearchRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, std::intptr_t data) {
    auto& search = *reinterpret_cast<PageSearch*>(data);
    // Every record counts, the hit too: the next search starts after it.
    const int index = search.counter++;
    if (record->iType == EMR_EXTTEXTOUTA || record->iType == EMR_EXTTEXTOUTW) {
        AnsiString text = RecordText(record);
        if (!search.caseSensitive) text = AnsiUpperCase(text);
        const bool match = search.wholeWords ? IsWholeWordMatch(search.text, text)
                                             : text.find(search.text) != AnsiString::npos;
        if (match && index >= search.startRecord) {
            const RECTL& r = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->rclBounds;
            search.bounds = TRect{r.left, r.top, r.right, r.bottom};
            search.found = true;
            return 0;
        }
    }
    return 1;
}

int RoundEven(double v) { return int(std::nearbyint(v)); }

}  // namespace

void TQmPreview::SetSearchText(const AnsiString& text, bool caseSensitive, bool wholeWords) {
    caseSensitive_ = caseSensitive;
    wholeWords_ = wholeWords;
    searchText_ = caseSensitive ? text : AnsiUpperCase(text);
}

void TQmPreview::Find() {
    if (!report_) return;
    {
        const std::unique_ptr<TQmPreviewSearchForm> dialog(TQmPreviewSearchForm::Create(Application));
        dialog->chkCaseSensitive->SetChecked(caseSensitive_);
        dialog->chkWholewords->SetChecked(wholeWords_);
        dialog->edtSearchTxt->SetText(searchText_);
        if (dialog->ShowModal() != mrOk) return;
        SetSearchText(dialog->edtSearchTxt->Text(), dialog->chkCaseSensitive->Checked(), dialog->chkWholewords->Checked());
        if (dialog->rdbFromFirst->Checked())
            SetSearchStart(0);
        else if (currentPage_ != searchPage_ + 1)
            SetSearchStart(currentPage_ - 1);
    }
    FindNext();
}

void TQmPreview::FindNext() {
    found_ = false;
    TQmEndPages* pages = GetEndPages();
    const int count = GetPageCount();
    int counter = 0;
    for (; searchPage_ < count; ++searchPage_) {
        TQmEndPage* page = pages->GetPage(searchPage_);
        TMetafile metafile;
        metafile.SetWidth(page->PageInfo.ScreenWidth);
        metafile.SetHeight(page->PageInfo.ScreenHeight);
        {
            TMetafileCanvas canvas(&metafile, 0);
            page->Visible = true;
            page->Draw(report_, &canvas, TRect{0, 0, metafile.Width(), metafile.Height()});
        }
        PageSearch search{searchText_, caseSensitive_, wholeWords_, startRecord_};
        EnumEnhMetaFile(0, metafile.Handle(), SearchRecord, &search, nullptr);
        counter = search.counter;
        if (search.found) {
            found_ = true;
            foundRect_ = search.bounds;
            break;
        }
        page->FreeObjects();
        startRecord_ = 0;
    }
    if (!found_) return;
    currentPage_ = searchPage_ + 1;
    UpdateStatus();
    const TRect& r = pages->GetPage(searchPage_)->PreviewRect;
    const int W = drawPanel_->Width(), H = drawPanel_->Height();
    int x = RoundEven(foundRect_.left * scale_) + r.left, y = RoundEven(foundRect_.top * scale_) + 10;
    const int w = RoundEven((foundRect_.right - foundRect_.left) * scale_);
    const int h = RoundEven((foundRect_.bottom - foundRect_.top) * scale_);
    if (y > H - h) {
        SetVertPosition(r.top + y + h - H - 10);
        y = H - h;
    } else {
        SetVertPosition(r.top - 10);
    }
    if (x > W - w) {
        SetHorzPosition(r.left + x + w - W - 10);
        x = W - w;
    } else {
        SetHorzPosition(r.left - 10);
    }
    startRecord_ = counter;
    Application->ProcessMessages();
    ready_ = true;
    PaintNow();
    // Inverted in place: the next paint of the surface takes the mark away.
    const HDC dc = GetDC(drawPanel_->Handle());
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const int oldMode = SetROP2(dc, R2_XORPEN);
    for (int i = 0; i <= h; ++i) {
        MoveToEx(dc, x, y + i, nullptr);
        LineTo(dc, x + w, y + i);
    }
    SetROP2(dc, oldMode);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    ReleaseDC(drawPanel_->Handle(), dc);
}
