#include "datagrid/PropFilerVyn.h"

#include <vector>

#include "datagrid/DBGridVyn.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/sysutils.h"
#include "platform/win/winuser.h"

namespace {

struct Pair {
    TClass target;
    TStoragePropertyInterceptorClass interceptor;
};

std::vector<Pair>& Registry() {
    static std::vector<Pair> pairs;
    return pairs;
}

}  // namespace

void AddReadInterceptor(TClass target, TStoragePropertyInterceptorClass interceptor) {
    std::erase_if(Registry(), [&](const Pair& pair) { return pair.target == target; });
    Registry().push_back({target, interceptor});
}

void RemoveReadInterceptor(TClass target, TStoragePropertyInterceptorClass interceptor) {
    std::erase_if(Registry(),
                  [&](const Pair& pair) { return pair.target == target && pair.interceptor == interceptor; });
}

TStoragePropertyInterceptorClass ReadInterceptorFor(TClass target) {
    for (const Pair& pair : Registry())
        if (pair.target == target) return pair.interceptor;
    return nullptr;
}

void RegisterStandardReadInterceptors() {
    AddReadInterceptor(TCustomForm::StaticClass(), TFormStoragePropertyInterceptor::StaticClass());
    AddReadInterceptor(TColumnVyn::StaticClass(), TColumnVynPropertyInterceptor::StaticClass());
    AddReadInterceptor(TDBGridColumnsVyn::StaticClass(), TColumnsVynPropertyInterceptor::StaticClass());
}

void ClearReadInterceptors() { Registry().clear(); }

// ---- Form placement ---------------------------------------------------------------------

void TFormStoragePropertyInterceptor::Published(TPublished<TFormStoragePropertyInterceptor>& p) {
    using C = TFormStoragePropertyInterceptor;
    p.Property("ActiveControl", &C::ActiveControl, &C::SetActiveControl).Stored(false);
    p.Property("Height", &C::Height, &C::SetHeight);
    p.Property("Left", &C::Left, &C::SetLeft);
    p.Property("PixelsPerInch", &C::PixelsPerInch, &C::SetPixelsPerInch).Stored(false);
    p.Property("Top", &C::Top, &C::SetTop);
    p.Property("Width", &C::Width, &C::SetWidth);
    p.Property("WindowState", &C::WindowState, &C::SetWindowState).Stored(false);
}

TFormStoragePropertyInterceptor::TFormStoragePropertyInterceptor(TPersistent* target)
    : TStoragePropertyInterceptor(target) {
    const TRect bounds = NormalBounds();
    left_ = bounds.left;
    top_ = bounds.top;
    width_ = bounds.right - bounds.left;
    height_ = bounds.bottom - bounds.top;
    if (TCustomForm* form = Form()) {
        pixelsPerInch_ = form->PixelsPerInch();
        windowState_ = form->WindowState();
        activeControl_ = form->ActiveControl();
    }
}

TRect TFormStoragePropertyInterceptor::NormalBounds() const {
    TCustomForm* form = Form();
    if (!form) return {};
    if (form->WindowState() != wsNormal && form->HandleAllocated()) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(form->Handle(), &placement);
        return placement.rcNormalPosition;
    }
    return {form->Left(), form->Top(), form->Left() + form->Width(), form->Top() + form->Height()};
}

void TFormStoragePropertyInterceptor::SetLeft(int v) {
    left_ = v;
    positionRead_ = true;
}

void TFormStoragePropertyInterceptor::SetTop(int v) {
    top_ = v;
    positionRead_ = true;
}

void TFormStoragePropertyInterceptor::AfterRead() {
    const int screen = Screen->PixelsPerInch();
    height_ = MulDiv(height_, screen, pixelsPerInch_);
    left_ = MulDiv(left_, screen, pixelsPerInch_);
    top_ = MulDiv(top_, screen, pixelsPerInch_);
    width_ = MulDiv(width_, screen, pixelsPerInch_);
    TCustomForm* form = Form();
    if (!form) return;
    form->SetWindowState(windowState_);
    form->SetActiveControl(activeControl_);
    if (form->WindowState() != wsNormal && form->HandleAllocated()) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(form->Handle(), &placement);
        placement.rcNormalPosition = {left_, top_, left_ + width_, top_ + height_};
        SetWindowPlacement(form->Handle(), &placement);
    } else {
        form->SetBounds(left_, top_, width_, height_);
    }
    if ((form->Position() == poScreenCenter || form->Position() == poDesktopCenter) && positionRead_)
        form->SetPosition(poDesigned);
}

// ---- Columns ------------------------------------------------------------------------------

void TColumnVynPropertyInterceptor::Published(TPublished<TColumnVynPropertyInterceptor>& p) {
    p.Property("Width", &TColumnVynPropertyInterceptor::Width, &TColumnVynPropertyInterceptor::SetWidth)
        .Stored(false);
}

void TColumnVynPropertyInterceptor::SetWidth(int v) {
    auto* column = dynamic_cast<TColumnVyn*>(Target());
    if (!column) return;
    TCustomDBGridVyn* grid = column->OwnerGrid();
    if (grid && grid->AutoFitColWidths())
        column->SetAutoFitBaseWidth(v);
    else
        column->SetWidth(v);
}

void TColumnsVynPropertyInterceptor::Published(TPublished<TColumnsVynPropertyInterceptor>& p) {
    p.Property("ColumnsIndex", &TColumnsVynPropertyInterceptor::ColumnsIndex,
               &TColumnsVynPropertyInterceptor::SetColumnsIndex);
}

AnsiString TColumnsVynPropertyInterceptor::ColumnsIndex() const {
    auto* columns = dynamic_cast<TDBGridColumnsVyn*>(Target());
    AnsiString text;
    for (int i = 0; columns && i < columns->Count(); ++i) {
        if (i > 0) text += ",";
        text += "\"" + columns->Items(i)->FieldName() + "\"";
    }
    return text;
}

void TColumnsVynPropertyInterceptor::SetColumnsIndex(const AnsiString& v) {
    lastColumnsIndex_ = v;
    auto* columns = dynamic_cast<TDBGridColumnsVyn*>(Target());
    if (!columns) return;
    TStringList names;
    names.SetCommaText(v);
    columns->BeginUpdate();
    try {
        int index = 0;
        for (int n = 0; n < names.Count(); ++n)
            for (int i = 0; i < columns->Count(); ++i)
                if (columns->Items(i)->FieldName() == names.Strings(n)) {
                    columns->Items(i)->SetIndex(index++);
                    break;
                }
    } catch (...) {
        columns->EndUpdate();
        throw;
    }
    columns->EndUpdate();
}
