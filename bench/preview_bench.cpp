// A page turn in the preview over 1,000 prepared pages: "next page" through
// to the painted window at page 1 and at page 900, each side by side with
// drawing the page that comes up alone into an image of the window's size
// (TQmEndPage::Draw). A turn far into the report should cost what one near
// its start does, and little more than drawing the page.
#include <benchmark/benchmark.h>

#include <memory>

#include "gui_bench_main.h"
#include "side_by_side.h"
#include "platform/ui/forms.h"
#include "platform/ui/graphics.h"
#include "platform/ui/testseams.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/ui/qm_preview.h"

namespace {

constexpr int PageCount = 1000;

std::string PageObjects(int page) {
    TStringStream out("");
    for (int line = 0; line < 20; ++line) {
        std::unique_ptr<TQmMemoView> memo(TQmMemoView::Create());
        memo->SetName("Memo" + std::to_string(line + 1));
        memo->SetspBounds(40, 40 + line * 48, 600, 40);
        memo->SetAllFramesVisible(true);
        memo->Memo->SetText("第 " + std::to_string(page) + " 页  第 " + std::to_string(line + 1) + " 行  顾客取机凭证");
        memo->Memo1->Assign(memo->Memo.get());
        memo->InPreparedPage = true;
        out.WriteBuffer("\0", 1);
        memo->SaveToStream(&out);
    }
    return out.DataString();
}

struct PreviewOverPages {
    PreviewOverPages() {
        report->Pages()->AddReportPage();
        auto* page = static_cast<TQmReportPage*>(report->Pages()->GetPage(0));
        for (int i = 0; i < PageCount; ++i) {
            report->EndPages()->AddBkPicture(0, 0, -1, -1, nullptr);
            TQmEndPage* built = report->EndPages()->AddPage(page);
            const std::string objects = PageObjects(i + 1);
            built->Stream()->WriteBuffer(objects.data(), static_cast<Integer>(objects.size()));
        }
        form->SetBounds(0, 0, 1000, 900);
        preview = new TQmPreview(form.get());
        preview->SetParent(form.get());
        preview->SetAlign(alClient);
        form->Show();
        preview->Connect(report.get());
        DispatchQueuedMessages();
        image->SetWidth(preview->DrawPanel()->Width());
        image->SetHeight(preview->DrawPanel()->Height());
    }

    std::unique_ptr<TQmReport> report{TQmReport::Create(nullptr)};
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    TQmPreview* preview = nullptr;
    std::unique_ptr<TBitmap> image{TBitmap::Create()};
};

PreviewOverPages& Preview() {
    static PreviewOverPages preview;
    return preview;
}

void BM_PageTurn(benchmark::State& state) {
    PreviewOverPages& p = Preview();
    const int from = static_cast<int>(state.range(0));
    TQmEndPage* next = p.report->EndPages()->GetPage(from);
    TimeSideBySide(
        state,
        [&] {
            p.preview->Next();
            p.preview->DrawPanel()->Repaint();
        },
        [&] {
            const TRect& r = next->PreviewRect;
            TCanvas* canvas = p.image->Canvas();
            canvas->Brush()->SetColor(clWhite);
            canvas->FillRect(TRect{0, 0, p.image->Width(), p.image->Height()});
            next->FreeObjects();
            next->Draw(p.report.get(), canvas, TRect{r.left, 10, r.right, 10 + r.bottom - r.top});
        },
        [&] {
            p.preview->SetCurrentPage(from);
            p.preview->DrawPanel()->Repaint();
            next->FreeObjects();
        });
}
BENCHMARK(BM_PageTurn)->Arg(1)->Arg(900)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
