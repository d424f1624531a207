// The string grid's full repaint (1280x800, 20 columns) side by side with a
// QPainter reference that fills the same cell backgrounds, edges and lines
// and draws the same texts in the same font into one image. Grids of 1,000
// and 100,000 rows, shown at their first and at their last screen, should
// cost the same: only the cells in view are visited.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

#include "gui_bench_main.h"
#include "side_by_side.h"
#include "platform/ui/forms.h"
#include "platform/ui/grids.h"
#include "platform/ui/testseams.h"

namespace {

constexpr int kCols = 20, kWidth = 1280, kHeight = 800;

// Texts repeat every 1,000 rows, so every screen draws glyphs of the same kind.
AnsiString CellText(int col, int row) {
    char text[16];
    std::snprintf(text, sizeof text, "%05d,%02d", row % 1000, col);
    return text;
}

struct GridOnForm {
    explicit GridOnForm(int rows) {
        if (!Application) Application = TApplication::Create(nullptr);
        form = TForm::Create(Application, 0);
        form->SetBounds(0, 0, kWidth, kHeight);
        grid = new TStringGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, kWidth, kHeight);
        grid->SetColCount(kCols);
        grid->SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < kCols; ++c) grid->SetCells(c, r, CellText(c, r));
        form->Show();
        ProcessMessages();
    }
    TForm* form = nullptr;
    TStringGrid* grid = nullptr;
};

GridOnForm& GridOf(int rows) {
    static std::map<int, std::unique_ptr<GridOnForm>> grids;
    auto& grid = grids[rows];
    if (!grid) grid = std::make_unique<GridOnForm>(rows);
    return *grid;
}

QColor QtColour(TColor color) {
    const COLORREF c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The cells the grid shows, painted with QPainter's cheapest calls: a fill
// per background and per edge or line, one drawStaticText per cell (laid
// out once, as the platform keeps its text masks), in the face the platform
// substitutes for the grid's font.
class ReferencePainter {
public:
    explicit ReferencePainter(TStringGrid* grid) : grid_(grid), image_(kWidth, kHeight, QImage::Format_RGB32) {
        const int height = std::abs(grid->Font()->Height());
        font_.setFamily("Noto Sans Mono CJK SC");
        font_.setPixelSize(height);
        font_.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
        ascent_ = int(std::lround(height * 0.86));
        baseline_ = QFontMetrics(font_).ascent();
        for (int row = 0; row <= grid->VisibleRowCount(); ++row)
            for (int col = 0; col < kCols; ++col) {
                const int gridRow = row == 0 ? 0 : grid->TopRow() + row - 1;
                if (gridRow >= grid->RowCount()) continue;
                QStaticText& text = texts_[{col, row}];
                text.setText(QString::fromUtf8(CellText(col, gridRow).c_str()));
                text.prepare(QTransform(), font_);
            }
    }

    void Paint() {
        QPainter p(&image_);
        p.setFont(font_);
        p.setPen(Qt::black);
        const int w = grid_->DefaultColWidth(), h = grid_->DefaultRowHeight(), line = grid_->GridLineWidth();
        const QColor fixed = QtColour(grid_->FixedColor()), normal = QtColour(grid_->Color());
        const QColor light = QtColour(clBtnHighlight), shadow = QtColour(clBtnShadow), silver = QtColour(clSilver);
        p.fillRect(image_.rect(), normal);
        for (const auto& [cell, text] : texts_) {
            const QRect r(cell.first * (w + line), cell.second * (h + line), w, h);
            const bool isFixed = cell.first == 0 || cell.second == 0;
            p.fillRect(r, isFixed ? fixed : normal);
            p.drawStaticText(r.left() + 2, r.top() + 2 + ascent_ - baseline_, text);
            if (!isFixed) continue;
            p.fillRect(QRect(r.left(), r.top(), w, 1), light);
            p.fillRect(QRect(r.left(), r.top(), 1, h), light);
            p.fillRect(QRect(r.left(), r.bottom(), w, 1), shadow);
            p.fillRect(QRect(r.right(), r.top(), 1, h), shadow);
        }
        for (int x = w; x < kWidth; x += w + line) p.fillRect(QRect(x, 0, line, kHeight), x == w ? shadow : silver);
        for (int y = h; y < kHeight; y += h + line) p.fillRect(QRect(0, y, kWidth, line), y == h ? shadow : silver);
        benchmark::DoNotOptimize(image_.constBits());
    }

private:
    TStringGrid* grid_;
    QImage image_;
    QFont font_;
    int ascent_ = 0;
    int baseline_ = 0;  // a static text is placed by its top, not its baseline
    std::map<std::pair<int, int>, QStaticText> texts_;
};

// Arguments: the grid's rows, and 1 to show its last screen.
void RepaintStringGrid(benchmark::State& state) {
    TStringGrid* grid = GridOf(int(state.range(0))).grid;
    grid->SetTopRow(state.range(1) ? grid->RowCount() - grid->VisibleRowCount() : grid->FixedRows());
    ProcessMessages();
    ReferencePainter reference(grid);
    TimeSideBySide(
        state,
        [&] {
            grid->Invalidate();
            ProcessMessages();
        },
        [&] { reference.Paint(); });
    state.counters["TopRow"] = grid->TopRow();
}
BENCHMARK(RepaintStringGrid)
    ->ArgNames({"rows", "last"})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunGuiBenchmarks(argc, argv);
}
