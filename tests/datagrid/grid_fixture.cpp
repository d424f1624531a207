#include "tests/datagrid/grid_fixture.h"

#include <algorithm>
#include <fstream>

#include "platform/gdi/imagecodecs.h"
#include "platform/rtl/format.h"
#include "support/temp_dir.h"

namespace {

class DataGridEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitializeDataGridLibrary(); }
    void TearDown() override { FinalizeDataGridLibrary(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new DataGridEnvironment);

}  // namespace

void GridTest::SetUp() {
    phones_ = std::make_unique<TMemoryDataSet>(nullptr);
    phones_->AddColumn("编号", ftString, 10);
    phones_->AddColumn("价格", ftFloat);
    phones_->AddColumn("已返厂", ftBoolean);
    source_ = std::make_unique<TDataSource>(nullptr);
    source_->SetDataSet(phones_.get());
}

void GridTest::TearDown() {
    grids_.clear();
    forms_.clear();
    source_.reset();
    phones_.reset();
}

void GridTest::FillPhones(int count) {
    for (int i = 1; i <= count; ++i) phones_->AddRow({Format("%.10d", {i}), 100.0 * i, i % 2 == 0});
}

TProbeGrid* GridTest::NewGrid() {
    grids_.emplace_back(TProbeGrid::Create(nullptr));
    return grids_.back().get();
}

TProbeGrid* GridTest::NewShownGrid(int width, int height, const std::function<void(TProbeGrid*)>& prepare) {
    forms_.emplace_back(TForm::Create(nullptr));
    TForm* form = forms_.back().get();
    TProbeGrid* grid = TProbeGrid::Create(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, width, height);
    if (prepare) prepare(grid);
    form->Show();
    Application->ProcessMessages();
    return grid;
}

namespace {

// Copies the captured pixels of `control` to (x, y) of `canvas`.
void PasteCapture(TCanvas* canvas, TWinControl* control, int x, int y) {
    const HBITMAP shot = CaptureWindow(control->Handle());
    if (!shot) return;
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, shot);
    BitBlt(canvas->Handle(), x, y, control->Width(), control->Height(), dc, 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(shot);
}

}  // namespace

std::unique_ptr<TBitmap> PictureWithDropDown(TWinControl* window, TWinControl* dropDown) {
    RECT outer{}, popup{};
    GetWindowRect(window->Handle(), &outer);
    GetWindowRect(dropDown->Handle(), &popup);
    const int left = std::min(outer.left, popup.left), top = std::min(outer.top, popup.top);
    const int right = std::max(outer.right, popup.right), bottom = std::max(outer.bottom, popup.bottom);
    auto picture = std::make_unique<TBitmap>();
    picture->SetWidth(right - left);
    picture->SetHeight(bottom - top);
    picture->Canvas()->Brush()->SetColor(clWhite);
    picture->Canvas()->FillRect(TRect{0, 0, right - left, bottom - top});
    PasteCapture(picture->Canvas(), window, outer.left - left, outer.top - top);
    PasteCapture(picture->Canvas(), dropDown, popup.left - left, popup.top - top);
    return picture;
}

bool SaveStackedPictures(const std::vector<TBitmap*>& pictures, const std::string& name) {
    int width = 0, height = 0;
    for (TBitmap* picture : pictures) {
        width = std::max(width, picture->Width());
        height += picture->Height() + 8;
    }
    TBitmap sheet;
    sheet.SetWidth(width);
    sheet.SetHeight(height);
    sheet.Canvas()->Brush()->SetColor(clWhite);
    sheet.Canvas()->FillRect(TRect{0, 0, width, height});
    int y = 0;
    for (TBitmap* picture : pictures) {
        sheet.Canvas()->Draw(0, y, picture);
        y += picture->Height() + 8;
    }
    const std::string png = EncodePng(sheet.Handle());
    if (png.empty()) return false;
    std::ofstream(ScreenshotDir() + name, std::ios::binary) << png;
    return true;
}

