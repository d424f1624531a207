// The preview panel: lays a report's prepared pages out in rows at a zoom,
// paints the visible ones (frames, shadows, margin marks, background
// pictures and the pages' own objects), scrolls through them, keeps the
// current page, and turns clicks on objects into page jumps, shell links
// and the report's click events.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/comctrls_statusbar.h"
#include "platform/ui/comctrls_treeview.h"
#include "platform/ui/extctrls_splitter.h"
#include "platform/ui/extctrls.h"
#include "report/core/qm_class.h"
#include "report/core/qm_common.h"
#include "report/ui/qm_ctrls_ruler.h"
#include "report/ui/qm_ctrls_scroll.h"

class TQmEndPage;
class TQmEndPages;
class TQmPreview;
class TQmView;
class TQmPageSetting;

// The surface inside the scroll area on which the pages are drawn.
class TQmDrawPanel : public TPanel {
    SERVIORA_CLASS(TQmDrawPanel, TPanel)
public:
    explicit TQmDrawPanel(TComponent* owner);

    TQmPreview* Preview = nullptr;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    // The background is painted with the pages, never erased first.
    void WMEraseBkgnd(TMessage& message) { message.Result = 1; }

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_ERASEBKGND, WMEraseBkgnd)
    SERVIORA_MESSAGES_END(TPanel)

private:
    void PaintPages();
    void DrawMarginsAndBorder(TQmEndPage* page, const TRect& r, double scale);
    void DrawBackground(TQmEndPage* page, const TRect& r, double scale);
    void UpdateRulers();
    // The object click: "@n" jumps, other links open in the shell, then
    // the object's and the report's click events; returns whether an event
    // handled the click and, through `target`, the page to go to.
    bool ObjectClick(TMouseButton button, TShiftState shift, int& target);

    TQmEndPage* hotPage_ = nullptr;
    TQmView* hotObject_ = nullptr;
    int hotPageNo_ = 0;
    bool dragging_ = false, doubleClicked_ = false, painting_ = false, busy_ = false;
    int lastX_ = 0, lastY_ = 0;
    int rulerOffsetX_ = 0, rulerOffsetY_ = 0;
    std::vector<int> visiblePages_;
};

class TQmPreview : public TQmCustomPreview {
    SERVIORA_CLASS(TQmPreview, TQmCustomPreview)
public:
    explicit TQmPreview(TComponent* owner);
    ~TQmPreview() override;

    void ShowReport(TQmCustomReport* report) override;
    void Connect(TQmCustomReport* report) override;
    // The print dialog (unless the report prints without one), then the
    // chosen pages, copies and parity; changed offsets are saved.
    void Print() override;
    // Prints the current page once, without a dialog.
    void PrintCurrentPage();
    // Pages to print and a printer beyond the two built-in entries.
    bool CanPrint() const;
    void Disconnect() override;

    // The first file replaces the pages, the others that exist are
    // appended; the report is connected again even after a failure.
    void LoadFromFiles(TStrings* files);
    // Filter index 1 writes a prepared-report file (".qmp"), k > 1 exports
    // through export filter k - 2 of the registry with its extension.
    void SaveToFile(const AnsiString& fileName, int filterIndex);
    void ExportTo(TQmExportFilter* filter, const AnsiString& fileName);
    // Exports through the first spreadsheet filter, after its own dialog.
    void SaveToXLS();

    void SetReport(TQmReport* report) { report_ = report; }
    TQmReport* Report() const { return report_; }
    TQmEndPages* GetEndPages() const;
    int GetPageCount() const;
    int CurrentPage() const { return currentPage_; }
    void SetCurrentPage(int n);
    void First() { SetCurrentPage(1); }
    void Next() { SetCurrentPage(currentPage_ + 1); }
    void Prior() { SetCurrentPage(currentPage_ - 1); }
    void Last() { SetCurrentPage(GetPageCount()); }

    double GetZoom() const { return scale_ * 100; }
    void SetZoom(double percent);
    void ZoomPageWidth() { SetZoomMode(pzPageWidth); }
    void ZoomOnePage() { SetZoomMode(pzOnePage); }
    void ZoomTwoPages() { SetZoomMode(pzTwoPages); }
    TQmPreviewZoom ZoomMode() const { return zoomMode_; }
    double Scale() const { return scale_; }
    // The last explicit scale, which RefreshPages shows again.
    double SavedScale() const { return savedScale_; }
    void SetSavedZoom(double scale, TQmPreviewZoom mode) {
        savedScale_ = scale;
        zoomMode_ = mode;
    }

    void RefreshPages(bool resetPosition);
    void LayoutPages();
    void ScrollToCurrentPage();
    void UpdateStatus();
    bool Ready() const { return ready_; }

    // Layout coordinates are drawn at these: the negated scroll positions.
    int OffsetX() const { return offsetX_; }
    int OffsetY() const { return offsetY_; }
    TQmScrollBar* HorzBar() const { return scrollBox_->HorzScrollBar(); }
    TQmScrollBar* VertBar() const { return scrollBox_->VertScrollBar(); }
    TQmDesignerRuler* HorzRuler() const { return hRuler_; }
    TQmDesignerRuler* VertRuler() const { return vRuler_; }
    // Moves a bar (clamped to its range); the box reports the change and
    // the surface scrolls with it.
    void SetHorzPosition(int p) { HorzBar()->SetPosition(p); }
    void SetVertPosition(int p) { VertBar()->SetPosition(p); }
    TQmScrollBox* ScrollBox() const { return scrollBox_; }
    TQmDrawPanel* DrawPanel() const { return drawPanel_; }
    // The status line: the page text, then the link under the mouse.
    AnsiString StatusText(int panel) const;
    void SetStatusText(int panel, const AnsiString& text);

    // The report's outline: one node per outline line of the prepared
    // pages; a click on a node scrolls to where its line was printed.
    void BuildOutline();
    void OutlineClick();
    void ShowOutline(bool visible);
    TTreeView* Outline() const { return outline_; }
    TSplitter* Splitter() const { return splitter_; }

    // Blank pages from a neighbour's settings: at the end, before the
    // current page, after it; a page deleted after a question (never the
    // last one left).
    void AppendPage();
    void InsertPageBefore();
    void InsertPageAfter();
    void DeletePage(int index);
    // Editing a page or the report needs a designer registered with the
    // engine; this system has none, so pages are never edited in one.
    bool CanModifyPages() const { return false; }
    bool EditPage(int /*index*/) { return false; }
    void DesignReport() {}

    // The page-setup dialog over the first page's settings; confirmed, they
    // go to every template page and the report, are saved, and the pages
    // are built again when this run built them.
    void PageSetup();
    TEvent<void(TQmPageSetting* Setting)> OnPageSetup;

    // Asks for a text and the options in the find dialog, then FindNext.
    void Find();
    // Searches the pages' text from the search page on, after the last
    // hit on that page; a hit becomes the current page, is scrolled into
    // view and highlighted.
    void FindNext();
    bool Found() const { return found_; }
    // The matched text's bounds on its page, in page pixels.
    const TRect& FoundRect() const { return foundRect_; }
    // Upper-cased unless the search is case-sensitive.
    const AnsiString& SearchText() const { return searchText_; }
    void SetSearchText(const AnsiString& text, bool caseSensitive, bool wholeWords);
    // The 0-based page the next search starts on, and the first record of
    // that page's metafile it may match.
    int SearchPage() const { return searchPage_; }
    int StartRecord() const { return startRecord_; }
    void SetSearchStart(int page) {
        searchPage_ = page;
        startRecord_ = 0;
    }

    AnsiString InitialDir;
    TNotifyEvent OnPageChanged;
    TNotifyEvent OnStatusChange;
    TEvent<void(TObject* aReport)> OnBeforeShowReport;
    static constexpr int ScrollStep = 30;

private:
    friend class TQmDrawPanel;
    // Where an outline node leads: a page index and a position on it.
    struct OutlineTarget {
        int PageIndex;
        int Position;
    };
    void CreateOutline();
    void CreateRulers();
    void SetZoomMode(TQmPreviewZoom mode);
    void DoStatusChange();
    void PaintNow();
    // The box's report of a bar's position: the offset of that direction
    // follows it and the surface's contents move by the difference.
    void ScrollBoxScroll(TQmScrollBarKind kind);
    // The first page whose top lies above and bottom below the line 11
    // pixels under the top of the view; 0 in a gap.
    int PageAtViewTop(int position) const;

    TQmReport* report_ = nullptr;
    int currentPage_ = 0;
    int offsetX_ = 0, offsetY_ = 0;
    int lastVert_ = 0, lastHorz_ = 0;
    double scale_ = 1.0, savedScale_ = 1.0;
    TQmPreviewZoom zoomMode_ = pzDefault;
    bool ready_ = false;
    std::array<AnsiString, 5> savedReportInfo_;
    TQmScrollBox* scrollBox_ = nullptr;
    TStatusBar* statusBar_ = nullptr;
    TPanel *topRulerStrip_ = nullptr, *leftRulerStrip_ = nullptr;
    TQmDesignerRuler *hRuler_ = nullptr, *vRuler_ = nullptr;
    TTreeView* outline_ = nullptr;
    TSplitter* splitter_ = nullptr;
    std::vector<std::unique_ptr<OutlineTarget>> outlineTargets_;
    bool found_ = false;
    TRect foundRect_{};
    AnsiString searchText_;
    bool caseSensitive_ = false, wholeWords_ = false;
    int searchPage_ = 0, startRecord_ = 0;
    TQmDrawPanel* drawPanel_ = nullptr;
};

// Whether `searchText` occurs in `text` followed by a space, a carriage
// return, a hyphen, a double-byte lead byte or the end of the text; only
// the side after the match is tested.
bool IsWholeWordMatch(const AnsiString& searchText, const AnsiString& text);
