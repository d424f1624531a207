// Shapes: their record and their drawing with a geometric pen, so that the
// lines keep their thickness on printers.
#include "report/core/qm_shapeview.h"

#include <algorithm>

#include "platform/gdi/wingdi.h"
#include "platform/rtl/classregistry.h"
#include "platform/rtl/sysutils.h"
#include "platform/ui/colors.h"
#include "report/core/qm_utils.h"

SERVIORA_REGISTER_CLASS(TQmShapeView);

TQmShapeView::TQmShapeView() : pen_(TPen::Create()), brush_(TBrush::Create()) {
    TypeCode = 6;
    BaseName = "Shape";
}

TQmShapeView::~TQmShapeView() = default;

void TQmShapeView::LoadFromStream(TStream* stream) {
    TQmReportView::LoadFromStream(stream);
    ReadWord(stream);
    Shape = TQmShapeType(ReadByte(stream));
    pen_->SetColor(TColor(ReadInteger(stream)));
    pen_->SetMode(TPenMode(ReadByte(stream)));
    pen_->SetStyle(TPenStyle(ReadByte(stream)));
    pen_->SetWidth(ReadInteger(stream));
    brush_->SetColor(TColor(ReadInteger(stream)));
    brush_->SetStyle(TBrushStyle(ReadByte(stream)));
}

void TQmShapeView::SaveToStream(TStream* stream) {
    TQmReportView::SaveToStream(stream);
    WriteWord(stream, 0);
    WriteByte(stream, Byte(Shape));
    WriteInteger(stream, Integer(pen_->Color()));
    WriteByte(stream, Byte(pen_->Mode()));
    WriteByte(stream, Byte(pen_->Style()));
    WriteInteger(stream, pen_->Width());
    WriteInteger(stream, Integer(brush_->Color()));
    WriteByte(stream, Byte(brush_->Style()));
}

void TQmShapeView::Draw(TCanvas* canvas) {
    AlignToBand();
    Memo1->Assign(Memo.get());
    BeginDraw(canvas);
    const TColor fill = FillColor;
    FillColor = QmNoColor;
    DrawBackground();
    FillColor = fill;
    HDC dc = canvas->Handle();
    LOGBRUSH penBrush;
    penBrush.lbStyle = BS_SOLID;
    penBrush.lbColor = ColorToRGB(pen_->Color());
    const DWORD width = static_cast<DWORD>(Round(pen_->Width() * ScaleX));
    const TQmSelectedObject pen(
        dc, ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_SQUARE | static_cast<DWORD>(pen_->Style()), width, &penBrush, 0,
                         nullptr));
    const HGDIOBJ oldBrush = SelectObject(dc, brush_->Handle());
    const int oldMode = SetBkMode(dc, OPAQUE);
    DrawShape(dc);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldBrush);
    EndDraw();
}

void TQmShapeView::DrawShape(HDC dc) {
    const int l = GetspBound(0), t = GetspBound(1), r = GetspBound(4), b = GetspBound(5);
    const int q = std::min(r - l, b - t);
    auto line = [dc](int x0, int y0, int x1, int y1) {
        MoveToEx(dc, x0, y0, nullptr);
        LineTo(dc, x1, y1);
    };
    switch (Shape) {
    case qmskRectangle: Rectangle(dc, l, t, r + 1, b + 1); break;
    case qmskRoundRectangle: RoundRect(dc, l, t, r + 1, b + 1, q / 4, q / 4); break;
    case qmskEllipse: Ellipse(dc, l, t, r + 1, b + 1); break;
    case qmskTriangle: {
        // A polygon filled with the brush: the same picture as lines and a
        // surface fill, also where no surface can be read back.
        const POINT corners[] = {{r, b}, {l, b}, {l + (r - l) / 2, t}};
        Polygon(dc, corners, 3);
        break;
    }
    case qmskDiagonal1: line(l, b, r, t); break;
    case qmskDiagonal2: line(l, t, r, b); break;
    case qmskSquare: Rectangle(dc, l, t, l + q, t + q); break;
    case qmskRoundSquare: RoundRect(dc, l, t, l + q, t + q, q / 4, q / 4); break;
    case qmskCircle: Ellipse(dc, l, t, l + q, t + q); break;
    case qmHorLine: line(l, t + (b - t) / 2, r, t + (b - t) / 2); break;
    case qmRightAndLeft:
        line(l, t, l, b);
        line(r - 1, t, r - 1, b);
        break;
    case qmTopAndBottom:
        line(l, t, r, t);
        line(l, b - 1, r, b - 1);
        break;
    case qmVertLine: line(l + (r - l) / 2, t, l + (r - l) / 2, b); break;
    }
}

void TQmShapeView::Published(TPublished<TQmShapeView>& p) {
    using V = TQmShapeView;
    p.Property("Shape", [](const V* v) { return v->Shape; }, [](V* v, TQmShapeType s) { v->Shape = s; })
        .Default(qmskRectangle);
    p.Property("Pen", &V::Pen, &V::SetPen);
    p.Property("Brush", &V::Brush, &V::SetBrush);
    PublishFlag(p, "ReprintOnOverFlow", QmFlag::ReprintOnOverFlow, false);
    PublishFlag(p, "Printable", QmFlag::Printable, true);
    p.Property("ShiftWith", &V::ShiftWith, &V::SetShiftWith);
    p.Property("StretchWith", &V::StretchWith, &V::SetStretchWith);
    p.Property("FillColor", [](const V* v) { return v->FillColor; }, [](V* v, TColor c) { v->FillColor = c; })
        .TypeName("TColor");
    p.Property("Url", [](const V* v) { return v->Url; }, [](V* v, const AnsiString& url) { v->Url = url; });
}
