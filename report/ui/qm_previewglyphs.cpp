// The preview window's toolbar glyphs, drawn here: 16 x 16 pictures on a
// see-through background at the indexes the toolbar's items name (1 one
// page, 2 100 %, 3 page width, 4-7 first, previous, next and last page,
// 8 find, 9 open, 10 save, 11 print, 12 page setup, 13 design, 14 close,
// 15 save to a spreadsheet, 16 border frame, 18 outline; 0 and 17 stay
// empty).
#include "report/ui/qm_previewglyphs.h"

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/graphics.h"

namespace {

constexpr TColor SeeThrough = clFuchsia;
constexpr TColor Ink = clBlack, Paper = clWhite, Shade = clGray;

void Page(TCanvas* c, int left, int top, int right, int bottom) {
    c->Pen()->SetColor(Ink);
    c->Brush()->SetColor(Paper);
    c->Rectangle(left, top, right, bottom);
}

void Lines(TCanvas* c, int left, int right, int top, int bottom, int step) {
    c->Pen()->SetColor(Shade);
    for (int y = top; y < bottom; y += step) {
        c->MoveTo(left, y);
        c->LineTo(right, y);
    }
}

void Triangle(TCanvas* c, int tipX, int baseX, int middleY, int half) {
    const TPoint points[] = {{tipX, middleY}, {baseX, middleY - half}, {baseX, middleY + half}};
    c->Pen()->SetColor(Ink);
    c->Brush()->SetColor(Ink);
    c->Polygon(points, 3);
}

void Bar(TCanvas* c, int x) {
    c->Brush()->SetColor(Ink);
    c->FillRect(TRect{x, 3, x + 2, 13});
}

void Magnifier(TCanvas* c) {
    c->Pen()->SetColor(Ink);
    c->Brush()->SetColor(clAqua);
    c->Ellipse(1, 1, 11, 11);
    c->Pen()->SetWidth(2);
    c->MoveTo(9, 9);
    c->LineTo(14, 14);
    c->Pen()->SetWidth(1);
}

using Painter = std::function<void(TCanvas*)>;

std::vector<std::pair<int, Painter>> Glyphs() {
    return {
        {1, [](TCanvas* c) { Page(c, 3, 1, 13, 15); Lines(c, 5, 11, 4, 13, 2); }},
        {2, [](TCanvas* c) {
             Page(c, 2, 1, 14, 15);
             c->Font()->SetSize(6);
             c->Font()->SetColor(Ink);
             c->Brush()->SetStyle(bsClear);
             c->TextOut(3, 4, "1:1");
             c->Brush()->SetStyle(bsSolid);
         }},
        {3, [](TCanvas* c) {
             Page(c, 1, 2, 15, 14);
             Triangle(c, 2, 5, 8, 3);
             Triangle(c, 13, 10, 8, 3);
             c->MoveTo(5, 8);
             c->LineTo(11, 8);
         }},
        {4, [](TCanvas* c) { Bar(c, 3); Triangle(c, 5, 12, 8, 5); }},
        {5, [](TCanvas* c) { Triangle(c, 4, 11, 8, 5); }},
        {6, [](TCanvas* c) { Triangle(c, 11, 4, 8, 5); }},
        {7, [](TCanvas* c) { Triangle(c, 10, 3, 8, 5); Bar(c, 11); }},
        {8, [](TCanvas* c) { Magnifier(c); }},
        {9, [](TCanvas* c) {
             c->Pen()->SetColor(Ink);
             c->Brush()->SetColor(clYellow);
             const TPoint folder[] = {{1, 4}, {5, 4}, {6, 5}, {13, 5}, {13, 13}, {1, 13}};
             c->Polygon(folder, 6);
             c->Brush()->SetColor(clOlive);
             const TPoint flap[] = {{3, 8}, {15, 8}, {13, 13}, {1, 13}};
             c->Polygon(flap, 4);
         }},
        {10, [](TCanvas* c) {
             c->Pen()->SetColor(Ink);
             c->Brush()->SetColor(clNavy);
             c->Rectangle(1, 1, 15, 15);
             c->Brush()->SetColor(Paper);
             c->Rectangle(4, 2, 12, 7);
             c->Brush()->SetColor(clSilver);
             c->Rectangle(4, 10, 12, 15);
         }},
        {11, [](TCanvas* c) {
             Page(c, 4, 1, 12, 7);
             c->Brush()->SetColor(clSilver);
             c->Rectangle(1, 6, 15, 13);
             Page(c, 4, 10, 12, 15);
             c->Brush()->SetColor(clLime);
             c->FillRect(TRect{12, 8, 14, 10});
         }},
        {12, [](TCanvas* c) {
             Page(c, 2, 1, 14, 15);
             c->Pen()->SetColor(clBlue);
             c->Pen()->SetStyle(psDot);
             c->Brush()->SetStyle(bsClear);
             c->Rectangle(4, 3, 12, 13);
             c->Pen()->SetStyle(psSolid);
             c->Brush()->SetStyle(bsSolid);
         }},
        {13, [](TCanvas* c) {
             Page(c, 1, 1, 11, 15);
             c->Pen()->SetColor(clMaroon);
             c->Pen()->SetWidth(2);
             c->MoveTo(6, 13);
             c->LineTo(14, 3);
             c->Pen()->SetWidth(1);
         }},
        {14, [](TCanvas* c) {
             c->Pen()->SetColor(clRed);
             c->Pen()->SetWidth(2);
             c->MoveTo(3, 3);
             c->LineTo(13, 13);
             c->MoveTo(13, 3);
             c->LineTo(3, 13);
             c->Pen()->SetWidth(1);
         }},
        {15, [](TCanvas* c) {
             Page(c, 1, 1, 15, 15);
             c->Pen()->SetColor(clGreen);
             for (int x = 5; x < 15; x += 4) {
                 c->MoveTo(x, 1);
                 c->LineTo(x, 15);
             }
             for (int y = 5; y < 15; y += 3) {
                 c->MoveTo(1, y);
                 c->LineTo(15, y);
             }
         }},
        {16, [](TCanvas* c) {
             Page(c, 1, 1, 15, 15);
             c->Pen()->SetColor(Ink);
             c->Brush()->SetStyle(bsClear);
             c->Rectangle(4, 4, 12, 12);
             c->Brush()->SetStyle(bsSolid);
         }},
        {18, [](TCanvas* c) {
             c->Pen()->SetColor(Ink);
             c->MoveTo(3, 2);
             c->LineTo(3, 14);
             for (int y : {4, 8, 12}) {
                 c->MoveTo(3, y);
                 c->LineTo(7, y);
                 c->Brush()->SetColor(clBlue);
                 c->FillRect(TRect{8, y - 1, 14, y + 2});
             }
         }},
    };
}

}  // namespace

void FillPreviewGlyphs(TCustomImageList* images) {
    images->Clear();
    images->SetWidth(16);
    images->SetHeight(16);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(16, 16);
    TCanvas* canvas = bitmap->Canvas();
    const auto blank = [&] {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(SeeThrough);
        canvas->FillRect(TRect{0, 0, 16, 16});
    };
    int next = 0;
    for (const auto& [index, paint] : Glyphs()) {
        for (; next < index; ++next) {
            blank();
            images->AddMasked(bitmap.get(), SeeThrough);
        }
        blank();
        paint(canvas);
        images->AddMasked(bitmap.get(), SeeThrough);
        ++next;
    }
}
