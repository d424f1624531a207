// The pick-up voucher built through the engine: a title band with the
// voucher's title, a page header band with the order table, the footer and
// the signature line, and the script that fills title and footer from the
// reception window.
#include "tools/vouchertemplate/voucher_template.h"

#include <memory>

#include "platform/rtl/streams.h"
#include "platform/ui/colors.h"
#include "report/core/qm_band.h"
#include "report/core/qm_memoview.h"
#include "report/core/qm_pages.h"

namespace {

// Lengths of the template in thousandths of a millimetre.
constexpr Integer kBandWidth = 179917;
constexpr Integer kCellHeight = 5821;
constexpr Integer kFrameWidth = 265;

struct Cell {
    const char* name;
    Integer left, width;
    const char* text;
};

struct Row {
    Integer top;
    std::initializer_list<Cell> cells;
};

// The order table, row by row and left to right.
const Row kTable[] = {
    {23283,
     {{"Memo11", 5292, 8467, "品牌"},
      {"Memo12", 13758, 46567, "[QmDBDataSet1.\"品牌\"]"},
      {"Memo13", 60325, 9525, "型号"},
      {"Memo14", 69850, 49742, "[QmDBDataSet1.\"型号\"]"},
      {"Memo8", 119592, 11642, "串码"},
      {"Memo9", 131234, 44450, "[QmDBDataSet1.\"串码\"]"}}},
    {29104,
     {{"Memo2", 5292, 8467, "配件"},
      {"Memo3", 13758, 46567, "[QmDBDataSet1.\"配件\"]"},
      {"Memo4", 60325, 9525, "颜色"},
      {"Memo5", 69850, 16933, "[QmDBDataSet1.\"颜色\"]"},
      {"Memo10", 86784, 8467, "价格"},
      {"Memo15", 95250, 24342, "[QmDBDataSet1.\"价格\"]"},
      {"Memo6", 119592, 11642, "厂家"},
      {"Memo7", 131234, 44450, "[QmDBDataSet1.\"厂家\"]"}}},
    {34925,
     {{"Memo18", 5292, 8467, "电话"},
      {"Memo19", 13758, 73025, "[QmDBDataSet1.\"电话\"]"},
      {"Memo16", 86784, 16933, "顾客姓名"},
      {"Memo17", 103717, 71967, "[QmDBDataSet1.\"顾客姓名\"]"}}},
    {40746,
     {{"Memo20", 5292, 17992, "故障现象"},
      {"Memo21", 23283, 63500, "[QmDBDataSet1.\"故障现象\"]"},
      {"Memo22", 86784, 16933, "处理意见"},
      {"Memo23", 103717, 71967, "[QmDBDataSet1.\"处理意见\"]"}}},
    {46567,
     {{"Memo24", 5292, 17992, "接待日期"},
      {"Memo25", 23283, 29633, "[QmDBDataSet1.\"接待日期\"]"},
      {"Memo26", 52917, 20108, "接待经手人"},
      {"Memo27", 73025, 30692, "[QmDBDataSet1.\"接待经手人\"]"},
      {"Memo34", 103717, 16933, "打印日期"},
      {"Memo35", 120650, 55033, "[_Qm_DateTime]"}}},
    {52388,
     {{"Memo32", 5292, 17992, "备注"}, {"Memo33", 23283, 152400, "[QmDBDataSet1.\"接待备注\"]"}}},
};

const char* const kScript[] = {"unit Report;",
                               "",
                               "interface",
                               "",
                               "implementation",
                               "",
                               "procedure Main;",
                               "begin",
                               "Memo1.Memo.Text := jiedai.Edit5.Text;",
                               "Memo31.Memo.Text := jiedai.Edit6.Text;",
                               "end;",
                               "",
                               "end."};

template <class Band>
void AddBand(TQmReportPage* page, const char* name, Integer top, Integer height) {
    auto* band = Band::Create();
    band->AutoNameOnPlace = false;
    band->SetParentPage(page);
    band->SetName(name);
    band->Left = 0;
    band->Top = top;
    band->Width = kBandWidth;
    band->Height = height;
}

TQmMemoView* AddMemo(TQmReportPage* page, const char* name, const std::array<Integer, 4>& bounds, const char* font,
                     Integer fontHeight, const char* text) {
    auto* memo = TQmMemoView::Create();
    memo->AutoNameOnPlace = false;
    memo->SetParentPage(page);
    memo->SetName(name);
    memo->Left = bounds[0];
    memo->Top = bounds[1];
    memo->Width = bounds[2];
    memo->Height = bounds[3];
    memo->Font()->SetName(font);
    memo->Font()->SetHeight(fontHeight);
    memo->Font()->SetColor(clBlack);
    memo->Font()->SetCharset(134);
    for (int side = 0; side < 4; ++side) memo->Frame(side)->InternalWidth = kFrameWidth;
    memo->Memo->SetText(text);
    return memo;
}

void AddTable(TQmReportPage* page) {
    for (const Row& row : kTable)
        for (const Cell& cell : row.cells) {
            TQmMemoView* memo = AddMemo(page, cell.name, {cell.left, row.top, cell.width, kCellHeight}, "宋体", -13,
                                        cell.text);
            memo->VAlign = qmvCenter;
            memo->SetAllFramesVisible(true);
        }
}

}  // namespace

std::string BuildVoucherTemplate() {
    std::unique_ptr<TQmReport> report(TQmReport::Create(nullptr));
    report->ReportInfo[0] = "顾客取机凭证";
    report->DoublePass = true;
    for (const char* line : kScript) report->Script()->Add(line);

    TQmReportPage* page = report->Pages()->AddReportPage();
    page->SetName("Page1");
    page->PaperSize = 9;
    page->PaperWidth = 2100;
    page->PaperHeight = 2970;
    page->Orientation = 0;
    page->Bin = 65535;

    AddBand<TQmBandReportTitle>(page, "ReportTitle1", 8467, 8996);
    AddBand<TQmBandPageHeader>(page, "PageHeader1", 22225, 88900);
    TQmMemoView* title =
        AddMemo(page, "Memo1", {2117, 10583, 175684, 5821}, "黑体", -20, "售后专用单据（标题由程序填写）");
    title->HAlign = qmhCenter;
    AddTable(page);
    TQmMemoView* footer = AddMemo(page, "Memo31", {5292, 60325, 170392, 22754}, "宋体", -13,
                                  "票尾：本凭证为顾客取机凭据，请妥善保管（正文由程序填写）。");
    footer->SetFlag(QmFlag::WordWrap, true);
    AddMemo(page, "Memo28", {12700, 86784, 14817, 4763}, "黑体", -13, "盖章处：");
    AddMemo(page, "Memo29", {89959, 86784, 16933, 4763}, "黑体", -13, "顾客签字：");
    AddMemo(page, "Memo30", {106892, 86784, 39158, 4763}, "黑体", -13, "")->Frame(qmfsBottom)->SetVisible(true);

    std::unique_ptr<TMemoryStream> stream(TMemoryStream::Create());
    report->SaveToStream(stream.get());
    return std::string(static_cast<const char*>(stream->Memory()), static_cast<std::size_t>(stream->Size()));
}

std::string WithReportData(const std::string& description, const std::string& templateBytes) {
    const std::string key = "ReportData = {";
    const std::size_t open = description.find(key);
    if (open == std::string::npos) return description;
    const std::size_t close = description.find('}', open);
    if (close == std::string::npos) return description;
    const std::size_t lineStart = description.rfind('\n', open) + 1;
    const std::string indent = description.substr(lineStart, open - lineStart) + "  ";

    std::string bytes;
    const auto size = static_cast<std::uint32_t>(templateBytes.size());
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(size >> shift & 0xFF);
    bytes += templateBytes;

    static const char hex[] = "0123456789ABCDEF";
    std::string block = key;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) block += "\n" + indent;
        const auto b = static_cast<unsigned char>(bytes[i]);
        block += hex[b >> 4];
        block += hex[b & 15];
    }
    block += '}';
    return description.substr(0, open) + block + description.substr(close + 1);
}
