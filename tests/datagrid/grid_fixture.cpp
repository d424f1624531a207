#include "tests/datagrid/grid_fixture.h"

#include "platform/rtl/format.h"

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
