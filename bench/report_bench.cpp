// Building a report: a page header, a master-data band of eight text
// objects (texts, an integer, a price with a display format, a date) and a
// page footer with the page number, built over 50,000 service orders into
// 1,000 prepared pages; beside it a plain loop that reads the same 400,000
// fields through the same dataset and formats them with the same display
// formats into a memory stream (goal: the build within 30 times the loop).
// The resident memory after a build is reported too.
#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

#include "bench/service_orders_db.h"
#include "bench/side_by_side.h"
#include "gui_bench_main.h"
#include "platform/rtl/streams.h"
#include "report/core/qm_band.h"
#include "report/core/qm_dataset.h"
#include "report/core/qm_displayformat.h"
#include "report/core/qm_endpages.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"
#include "report/core/qm_units.h"

namespace {

using namespace service_orders;

constexpr int kOrders = 50000;

const char* const kQuery =
    "select 编号 as No, 品牌 as Brand, 型号 as Model, 顾客姓名 as Customer, 电话 as Phone, "
    "cast(rowid as integer) as Seq, 价格 as Price, 接待日期 as Received from 流水记录";

struct Column {
    const char* field;
    const char* format;
};
constexpr Column kColumns[] = {{"No", ""},    {"Brand", ""}, {"Model", ""},         {"Customer", ""},
                               {"Phone", ""}, {"Seq", ""},   {"Price", "N#,##0.00"}, {"Received", "Dyyyy-mm-dd"}};

double ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

Integer Mm(double mm) { return ToInternalUnits(qmutMillimeters, mm); }

struct OrdersReport {
    OrdersReport() {
        connection = Connect(kOrders);
        query = std::make_unique<TADOQuery>(nullptr);
        query->SetConnection(connection.get());
        query->SQL()->Add(kQuery);
        query->Open();
        source = TQmDBDataSet::Create(owner.get());
        source->SetName("Orders");
        source->SetDataSet(query.get());
        report = TQmReport::Create(owner.get());
        report->SetCompressLevel(qmzcFastest);
        report->SetShowProgress(false);
        report->ShowErrorBox = false;
        TQmReportPage* page = report->Pages()->AddReportPage();
        auto band = [page](TQmCustomBandView* made, double top, double height) {
            made->SetParentPage(page);
            made->Top = Mm(top);
            made->Height = Mm(height);
            made->Width = Mm(180);
            return made;
        };
        auto text = [page](double top, double left, double width, const AnsiString& memo, const AnsiString& format) {
            auto* view = TQmMemoView::Create();
            view->SetParentPage(page);
            view->Top = Mm(top);
            view->Left = Mm(left);
            view->Width = Mm(width);
            view->Height = Mm(5);
            view->Memo->SetText(memo);
            view->SetDisplayFormat(format);
        };
        band(TQmBandPageHeader::Create(), 0, 7);
        text(0, 0, 60, "Service orders", "");
        band(TQmBandMasterData::Create(), 10, 5)->SetDataSetName("Orders");
        for (int i = 0; i < 8; ++i)
            text(10, 22.5 * i, 22.5, AnsiString("[Orders.\"") + kColumns[i].field + "\"]", kColumns[i].format);
        band(TQmBandPageFooter::Create(), 20, 7);
        text(20, 0, 40, "Page [_Qm_Page]", "");
    }

    // The plain loop: every field read and formatted into a stream.
    std::size_t FormatEveryField() {
        TMemoryStream out;
        std::vector<TField*> fields;
        std::vector<std::pair<TQmDisplayFormat, AnsiString>> formats;
        for (const Column& column : kColumns) {
            fields.push_back(query->FieldByName(column.field));
            AnsiString text = column.format;
            TQmDisplayFormat format;
            ParseDisplayFormat(text, format);
            formats.push_back({format, text});
        }
        for (query->First(); !query->Eof(); query->Next())
            for (std::size_t i = 0; i < fields.size(); ++i) {
                const AnsiString text = FormatValue(fields[i]->Value(), formats[i].first, formats[i].second);
                out.WriteBuffer(text.data(), static_cast<Integer>(text.size()));
            }
        return static_cast<std::size_t>(out.Size());
    }

    std::unique_ptr<TComponent> owner{TComponent::Create(nullptr)};
    std::unique_ptr<TADOConnection> connection;
    std::unique_ptr<TADOQuery> query;
    TQmDBDataSet* source = nullptr;
    TQmReport* report = nullptr;
};

void BM_BuildAgainstPlainLoop(benchmark::State& state) {
    OrdersReport orders;
    int pages = 0;
    TimeSideBySide(
        state,
        [&] {
            if (!orders.report->BuildPreparedPages()) state.SkipWithError(orders.report->ErrorText.c_str());
            pages = orders.report->EndPages()->GetCount();
        },
        [&] { benchmark::DoNotOptimize(orders.FormatEveryField()); });
    state.counters["pages"] = pages;
    state.counters["resident_MB"] = ResidentBytes() / 1e6;
}
BENCHMARK(BM_BuildAgainstPlainLoop)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunGuiBenchmarks(argc, argv); }
