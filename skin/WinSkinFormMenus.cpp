// Form skinning's menu items: class-library and raw menu items measured and
// drawn over the skin (the MenuItem cells on the pop-up window's frame
// image), and switching a form's menus to and from skinned drawing.
#include <algorithm>

#include "platform/rtl/codepage.h"
#include "platform/ui/forms.h"
#include "platform/win/ownerdraw.h"
#include "platform/win/userdraw.h"
#include "skin/SkinManage.h"
#include "skin/SkinProps.h"
#include "skin/WinSkinForm.h"
#include "skin/WinSkinFormDraw.h"

namespace {

// Pop-up menu windows keep their items 3 pixels inside.
constexpr int kMenuFrame = 3;
constexpr int kItemFrames = 5;

TFont* MenuFont() { return Screen ? Screen->MenuFont() : nullptr; }

bool HasImage(const TDataSkinObject* element) { return element && !element->Bitmap->Empty(); }

// An off-screen image of an item's size in the menu font.
std::unique_ptr<TBitmap> ItemImage(int width, int height) {
    auto image = std::make_unique<TBitmap>();
    image->SetPixelFormat(pf32bit);
    image->SetSize(width, height);
    if (TFont* font = MenuFont()) image->Canvas()->Font()->Assign(font);
    return image;
}

// The menu handle that shows Parent's items: the menu's own for its root,
// else the sub-menu at Parent's place among its visible siblings.
HMENU MenuHandleOf(TMenuItem* parent) {
    TMenu* menu = parent ? parent->GetParentMenu() : nullptr;
    if (!menu) return 0;
    if (parent == menu->Items()) return menu->Handle();
    TMenuItem* grand = parent->Parent();
    const HMENU above = MenuHandleOf(grand);
    if (!above) return 0;
    int position = 0;
    for (int i = 0; i < grand->Count() && grand->Items(i) != parent; ++i)
        if (grand->Items(i)->Visible()) ++position;
    return GetSubMenu(above, position);
}

void ForEachItem(TMenuItem* parent, const std::function<void(TMenuItem*)>& visit) {
    for (int i = 0; i < parent->Count(); ++i) {
        visit(parent->Items(i));
        ForEachItem(parent->Items(i), visit);
    }
}

}  // namespace

// ---- switching menus to skinned drawing --------------------------------------------------

void TWinSkinForm::SetPopupMenusOwnerDraw(TComponent* owner, bool value) {
    if (!owner) return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent* component = owner->Components(i);
        if (dynamic_cast<TCustomForm*>(component)) SetPopupMenusOwnerDraw(component, value);
        auto* popup = dynamic_cast<TPopupMenu*>(component);
        if (!popup || popup->Tag() == SkinData->DisableTag() || !SkinData->SkinControls().Contains(xcPopupMenu))
            continue;
        popup->SetOwnerDraw(value);
        ForEachItem(popup->Items(), [this, value](TMenuItem* item) {
            if (value) {
                item->SetOnDrawItem(TMenuDrawItemEvent(this, &TWinSkinForm::DrawMenuItem));
                if (!item->OnMeasureItem())
                    item->SetOnMeasureItem(TMenuMeasureItemEvent(this, &TWinSkinForm::MeasurePopupItem));
            } else {
                item->SetOnDrawItem({});
                item->SetOnMeasureItem({});
            }
        });
    }
}

void TWinSkinForm::SetMainMenuOwnerDraw(TComponent* owner, bool value) {
    if (!owner) return;
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        auto* menu = dynamic_cast<TMainMenu*>(owner->Components(i));
        if (!menu) continue;
        menu->SetOwnerDraw(value);
        for (int top = 0; top < menu->Items()->Count(); ++top) {
            ForEachItem(menu->Items()->Items(top), [this, value](TMenuItem* item) {
                if (!value) {
                    item->SetOnDrawItem({});
                    item->SetOnMeasureItem({});
                } else if (!item->OnDrawItem()) {
                    item->SetOnDrawItem(TMenuDrawItemEvent(this, &TWinSkinForm::DrawMenuItem));
                    item->SetOnMeasureItem([this, item](TObject*, TCanvas* canvas, int& width, int& height) {
                        MeasureItem(item, canvas, width, height);
                    });
                }
            });
        }
    }
}

// ---- measuring -------------------------------------------------------------------------

void TWinSkinForm::WMMeasureItem(TMessage& message) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (!measure || measure->CtlType != ODT_MENU || !MenuHandle) {
        CallDefault(message);
        return;
    }
    const UINT id = measure->itemID;
    TBitmap scratch;
    scratch.SetSize(1, 1);
    TCanvas* canvas = scratch.Canvas();
    if (TFont* font = MenuFont()) canvas->Font()->Assign(font);
    if (Form && MenuBar && MenuBar->Menu) {
        if (TMenuItem* item = MenuBar->Menu->FindItem(id)) {
            int width = int(measure->itemWidth), height = int(measure->itemHeight);
            MeasureItem(item, canvas, width, height);
            measure->itemWidth = UINT(width);
            measure->itemHeight = UINT(height);
            message.Result = TRUE;
            return;
        }
        if (id >= 1 && id <= 4095) {
            CallDefault(message);
            return;
        }
    }
    char text[80] = {};
    GetMenuString(DroppedMenu, id, text, sizeof text, MF_BYCOMMAND);
    const SIZE size = canvas->TextExtent(text);
    TDataSkinObject* element = SkinData->MenuItem();
    measure->itemWidth = UINT(size.cx + 26 + (element ? element->LeftWidth : 0));
    int height = text[0] ? size.cy + 4 : 8;
    if (SkinVersionWord & 0x80000000u) height += 4;
    measure->itemHeight = UINT(height);
    message.Result = TRUE;
}

void TWinSkinForm::MeasureItem(TMenuItem* item, TCanvas* canvas, int& width, int& height) {
    const TMenuMeasureItemEvent own = item->OnMeasureItem();
    item->SetOnMeasureItem({});
    item->MeasureItem(canvas, width, height);
    item->SetOnMeasureItem(own);
    TDataSkinObject* element = SkinData->MenuItem();
    width += (element ? element->LeftWidth : 0) + 10;
    if (!item->GetImageList()) width += 25;
}

void TWinSkinForm::MeasurePopupItem(TObject* sender, TCanvas*, int& width, int&) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!SkinData || !item) return;
    TDataSkinObject* element = SkinData->MenuItem();
    width += (element ? element->LeftWidth : 0) + 12;
    if (!item->GetImageList()) width += 23;
}

// ---- drawing ---------------------------------------------------------------------------

void TWinSkinForm::WMDrawItem(TMessage& message) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    const DWORD version = SkinVersionWord ? SkinVersionWord : GetVersion();
    const bool nt4 = SkinIsNT && (version & 0xFF) < 5;
    if (!draw || draw->CtlType != ODT_MENU || !MenuHandle || (Kind == kMDIFrame && nt4)) {
        CallDefault(message);
        return;
    }
    const HMENU menu = HMENU(draw->hwndItem);
    CreateSkinManager()->AssignPopupMenuHandle(menu);
    TCanvas canvas;
    canvas.SetHandle(draw->hDC);
    if (TFont* font = MenuFont()) canvas.Font()->Assign(font);
    const TRect rect = draw->rcItem;
    const bool selected = draw->itemState & ODS_SELECTED;
    if (Form && MenuBar && MenuBar->Menu) {
        if (TMenuItem* item = MenuBar->Menu->FindItem(draw->itemID)) {
            if (HasImage(SkinData->MenuItem()))
                DrawMenuItem(item, &canvas, rect, selected);
            else
                DrawPlainItem(item, &canvas, rect, selected);
            canvas.SetHandle(0);
            message.Result = TRUE;
            return;
        }
        if (draw->itemID >= 1 && draw->itemID <= 4095) {
            canvas.SetHandle(0);
            CallDefault(message);
            return;
        }
    }
    const std::unique_ptr<TMenuItem> item = MenuItemFromHandle(menu, draw->itemID);
    DrawRawItem(menu, item.get(), &canvas, rect, selected);
    canvas.SetHandle(0);
    message.Result = TRUE;
}

std::unique_ptr<TMenuItem> TWinSkinForm::MenuItemFromHandle(HMENU menu, UINT id) {
    std::unique_ptr<TMenuItem> item(TMenuItem::Create(nullptr));
    char text[80] = {};
    GetMenuString(menu, id, text, sizeof text, MF_BYCOMMAND);
    item->SetCaption(text[0] ? AnsiString(text) : AnsiString("-"));
    MENUITEMINFO info;
    info.fMask = MIIM_STATE;
    GetMenuItemInfo(menu, id, FALSE, &info);
    item->SetEnabled(!(info.fState & (MFS_DISABLED | MFS_GRAYED)));
    item->SetChecked(info.fState & MFS_CHECKED);
    return item;
}

void TWinSkinForm::DrawMenuItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item) return;
    if (!HasImage(SkinData->MenuItem())) {
        DrawPlainItem(item, canvas, rect, selected);
        return;
    }
    const HMENU menu = MenuHandleOf(item->Parent());
    if (item->Parent()) CreateSkinManager()->AssignPopupMenuHandle(menu);
    DrawSkinnedItem(menu, item, canvas, rect, selected, true);
}

void TWinSkinForm::DrawRawItem(HMENU menu, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected) {
    if (!HasImage(SkinData->MenuItem())) {
        DrawPlainItem(item, canvas, rect, selected);
        return;
    }
    DrawSkinnedItem(menu, item, canvas, rect, selected, false);
}

void TWinSkinForm::DrawSkinnedItem(HMENU menu, TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected,
                                   bool separatorFromSkin) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    const std::unique_ptr<TBitmap> itemImage = ItemImage(w, h);
    TBitmap& image = *itemImage;
    TBitmap* frame = CreateSkinManager()->PopupMenuBitmap(menu);
    if (frame && !frame->Empty()) {
        BitBlt(image.Canvas()->Handle(), 0, 0, w, h, frame->Canvas()->Handle(), rect.left + kMenuFrame,
               rect.top + kMenuFrame, SRCCOPY);
    } else {
        image.Canvas()->Brush()->SetColor(SkinData->Colour(TSkinData::kMenuIndex));
        image.Canvas()->FillRect(TRect{0, 0, w, h});
    }
    const TRect local{0, 0, w, h};
    if (separatorFromSkin && item->Caption() == "-") {
        BitBlt(canvas->Handle(), rect.left, rect.top, w, h, image.Canvas()->Handle(), 0, 0, SRCCOPY);
        DrawSeparator(canvas, rect);
        return;
    }
    TDataSkinObject* element = SkinData->MenuItem();
    DrawSkinCell(image.Canvas()->Handle(), local, element->Bitmap.get(), element->Margins(), selected ? 4 : 1,
                 kItemFrames, element->Trans != 0, element->Tile != 0, false);
    LayoutItem(item, image.Canvas(), local, selected);
    BitBlt(canvas->Handle(), rect.left, rect.top, w, h, image.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawPlainItem(TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    const std::unique_ptr<TBitmap> itemImage = ItemImage(w, h);
    TBitmap& image = *itemImage;
    image.Canvas()->Brush()->SetColor(SkinData->Colour(selected ? TSkinData::kHilightIndex : TSkinData::kMenuIndex));
    image.Canvas()->FillRect(TRect{0, 0, w, h});
    LayoutItem(item, image.Canvas(), TRect{0, 0, w, h}, selected);
    BitBlt(canvas->Handle(), rect.left, rect.top, w, h, image.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawSeparator(TCanvas* canvas, const TRect& rect) {
    TDataSkinObject* element = SkinData->MenuItem();
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    if (!HasImage(element) || w <= 0 || h <= 0) return;
    TRect cell = SkinCellRect(element->Bitmap.get(), 2, kItemFrames, false);
    if (cell.bottom - cell.top > h) cell.top = cell.bottom - h;
    TBitmap strip;
    strip.SetPixelFormat(pf24bit);
    strip.SetSize(cell.right - cell.left, cell.bottom - cell.top);
    BitBlt(strip.Canvas()->Handle(), 0, 0, strip.Width(), strip.Height(), element->Bitmap->Canvas()->Handle(), cell.left,
           cell.top, SRCCOPY);
    TBitmap line;
    line.SetPixelFormat(pf32bit);
    line.SetSize(w, h);
    DrawSkinBar(line.Canvas()->Handle(), TRect{0, 0, w, h}, &strip,
                TRect{element->LeftWidth, 0, element->RightWidth, 0}, 1, 1, false);
    DrawTransparent(canvas->Handle(), rect, &line, kSkinKeyColour);
}

void TWinSkinForm::LayoutItem(TMenuItem* item, TCanvas* canvas, const TRect& rect, bool selected) {
    const WideString caption = GetTextPropByName(item, "Caption");
    TMenu* menu = item->GetParentMenu();
    if (!menu && MenuBar) menu = MenuBar->Menu;
    TCustomImageList* images = item->GetImageList();
    int glyph = images ? images->Width() : 16;
    if (item->Checked()) glyph = std::max(glyph, 16);
    const bool mirrored = menu && menu->BiDiMode() == bdRightToLeft;
    TDataSkinObject* element = SkinData->MenuItem();
    const int margin = element ? element->LeftWidth : 0;
    const bool separator = caption == u"-";

    TRect box{rect.left + 1 + margin, rect.top + 1, 0, 0};
    if (mirrored) box.left = rect.right - 1 - margin - glyph;
    box.right = box.left + glyph;
    box.bottom = box.top + glyph;
    if (!separator) {
        const int rowHeight = rect.bottom - rect.top;
        if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) {
            const int imageHeight = item->Checked() ? 16 : images->Height();
            OffsetRect(&box, 0, (rowHeight - 2 - imageHeight) / 2);
            if (item->Checked()) {
                canvas->Brush()->SetColor(SkinData->Colour(TSkinData::kButtonHilightIndex));
                canvas->FillRect(box);
                RECT edge = box;
                DrawEdge(canvas->Handle(), &edge, BDR_SUNKENOUTER, BF_RECT);
            }
            images->Draw(canvas, box.left, box.top, item->ImageIndex(), item->Enabled());
        } else if (item->Checked()) {
            const HBITMAP check = LoadBitmap(0, reinterpret_cast<const char*>(std::uintptr_t(OBM_CHECK)));
            TBitmap mark;
            mark.SetHandle(check);
            const int x = box.left + (glyph - mark.Width()) / 2 + 1;
            const int y = rect.top + (rowHeight - mark.Height()) / 2;
            canvas->Font()->SetColor(SkinData->Colour(TSkinData::kButtonTextIndex));
            DrawTransparent(canvas->Handle(), TRect{x, y, x + mark.Width(), y + mark.Height()}, &mark, RGB(255, 255, 255));
        }
    }
    TRect text = mirrored ? TRect{rect.left + 1, rect.top, box.left - 3, rect.bottom}
                          : TRect{box.right + 3, rect.top, rect.right - 1, rect.bottom};
    const UINT align = mirrored ? DT_RIGHT | DT_RTLREADING : 0;
    TRect measured = text;
    DrawItemText(item, canvas, caption, measured, selected, align | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
    const int height = measured.bottom - measured.top;
    text.top = rect.top + (rect.bottom - rect.top - height) / 2;
    text.bottom = text.top + height;
    DrawItemText(item, canvas, caption, text, selected, align | DT_EXPANDTABS | DT_SINGLELINE);
    if (item->ShortCut() && !separator) {
        const WideString shortcut = SkinAnsiToWide(ShortCutToText(item->ShortCut()));
        TRect place = mirrored ? TRect{rect.left + 10, text.top, text.left, text.bottom}
                               : TRect{text.left + (measured.right - measured.left), text.top, rect.right - 10, text.bottom};
        DrawItemText(item, canvas, shortcut, place, selected,
                     (mirrored ? DT_LEFT | DT_RTLREADING : DT_RIGHT) | DT_EXPANDTABS | DT_SINGLELINE);
    }
}

void TWinSkinForm::DrawItemText(TMenuItem* item, TCanvas* canvas, WideString text, TRect& rect, bool selected,
                                UINT flags) {
    const bool measuring = flags & DT_CALCRECT;
    if (measuring && (text.empty() || text == u"&")) text += u" ";
    if (text == u"-") {
        if (!measuring) {
            RECT line = rect;
            OffsetRect(&line, 0, 4);
            DrawEdge(canvas->Handle(), &line, EDGE_ETCHED, BF_TOP);
        }
        return;
    }
    canvas->Brush()->SetStyle(bsClear);
    TFontStyles style;
    if (item->Default()) style.Include(fsBold);
    canvas->Font()->SetStyle(style);
    TColor colour = SkinData->Colour(selected ? TSkinData::kHilightTextIndex : TSkinData::kMenuTextIndex);
    if (!item->Enabled()) {
        colour = SkinData->Colour(TSkinData::kButtonShadowIndex);
        if (colour == SkinData->Colour(TSkinData::kMenuTextIndex)) colour = clGrayText;
    }
    canvas->Font()->SetColor(colour);
    SetTextColor(canvas->Handle(), ColorToRGB(colour));
    SetBkMode(canvas->Handle(), TRANSPARENT);
    SkinDrawText(canvas->Handle(), text, &rect, flags);
}
