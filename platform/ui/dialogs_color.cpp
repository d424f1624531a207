// The colour dialog: the responder's answer, or a grid of swatches to click.
#include "platform/ui/dialogs_color.h"

#include "platform/rtl/sysutils.h"
#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/modalresponder.h"
#include "platform/ui/stdctrls.h"

namespace {

// The basic colours, six rows of eight.
constexpr TColor basicColors[48] = {
    TColor(0x8080FF), TColor(0x80FFFF), TColor(0x80FF80), TColor(0x80FF00), TColor(0xFFFF80), TColor(0xFF8000), TColor(0xC080FF), TColor(0xFF80FF),
    TColor(0x0000FF), TColor(0x00FFFF), TColor(0x00FF80), TColor(0x40FF00), TColor(0xFFFF00), TColor(0xC08000), TColor(0xC08080), TColor(0xFF00FF),
    TColor(0x404080), TColor(0x4080FF), TColor(0x00FF00), TColor(0x808000), TColor(0x804000), TColor(0xFF8080), TColor(0x400080), TColor(0x8000FF),
    TColor(0x000080), TColor(0x0080FF), TColor(0x008000), TColor(0x408000), TColor(0xFF0000), TColor(0xA00000), TColor(0x800080), TColor(0xFF0080),
    TColor(0x000040), TColor(0x004080), TColor(0x004000), TColor(0x404000), TColor(0x800000), TColor(0x400000), TColor(0x400040), TColor(0x800040),
    TColor(0x000000), TColor(0x008080), TColor(0x408080), TColor(0x808080), TColor(0x808040), TColor(0xC0C0C0), TColor(0x400040), TColor(0xFFFFFF),
};

constexpr int cell = 24, gap = 6, columns = 8, margin = 10;

// Swatches in rows of eight; a click chooses one and marks it.
class TSwatches : public TPaintBox {
    SERVIORA_CLASS(TSwatches, TPaintBox)
public:
    TSwatches(TComponent* owner, std::vector<TColor> colors, TColor* chosen)
        : TPaintBox(owner), colors_(std::move(colors)), chosen_(chosen) {
        SetOnPaint([this](TObject*) { PaintSwatches(); });
        SetOnMouseDown([this](TObject*, TMouseButton, TShiftState, int x, int y) {
            const std::size_t index = std::size_t(y / (cell + gap) * columns + x / (cell + gap));
            if (index < colors_.size()) *chosen_ = colors_[index];
            GetParentForm()->Invalidate();
        });
    }
    int RowsHeight() const { return int((colors_.size() + columns - 1) / columns) * (cell + gap); }

private:
    void PaintSwatches() {
        for (std::size_t i = 0; i < colors_.size(); ++i) {
            const int x = int(i % columns) * (cell + gap), y = int(i / columns) * (cell + gap);
            Canvas()->Pen()->SetColor(colors_[i] == *chosen_ ? clBlack : clBtnShadow);
            Canvas()->Pen()->SetWidth(colors_[i] == *chosen_ ? 2 : 1);
            Canvas()->Brush()->SetColor(colors_[i]);
            Canvas()->Rectangle(x + 1, y + 1, x + cell, y + cell);
        }
    }
    std::vector<TColor> colors_;
    TColor* chosen_;
};

}  // namespace

void TColorDialog::Published(TPublished<TColorDialog>& p) {
    p.Property("Color", &TColorDialog::Color, &TColorDialog::SetColor).Default(clBlack);
    p.Property("Options", &TColorDialog::Options, &TColorDialog::SetOptions).Default(0);
}

TColorDialog::TColorDialog(TComponent* owner) : TCommonDialog(owner), customColors_(TStringList::Create()) {}

TColorDialog::~TColorDialog() = default;

TColor TColorDialog::CustomColor(int slot) const {
    const AnsiString value = customColors_->Values(AnsiString("Color") + char('A' + slot));
    return value.empty() ? clWhite : TColor(StrToIntDef("$" + value, Integer(clWhite)));
}

bool TColorDialog::Execute() {
    ModalQuestion question{"ColorDialog", "颜色", IntToStr(Integer(color_)), Cardinal(options_.Bits()), "#32770", {}};
    ModalAnswer answer;
    if (TakeModalAnswer(question, &answer)) {
        if (answer.result == 0) return false;
        if (!answer.text.empty()) color_ = TColor(StrToInt(answer.text));
        return true;
    }
    TColor chosen = color_;
    std::vector<TColor> custom;
    for (int slot = 0; slot < 16; ++slot) custom.push_back(CustomColor(slot));
    const int width = columns * (cell + gap) - gap;
    const std::unique_ptr<TDialogForm> form(TDialogForm::Create(Application, "颜色", width + 2 * margin, 0));
    form->Add<TLabel>(margin, margin, width, 16, "基本颜色(&B):");
    auto* basic = TSwatches::Create(form.get(), std::vector<TColor>(std::begin(basicColors), std::end(basicColors)), &chosen);
    basic->SetParent(form.get());
    basic->SetBounds(margin, margin + 20, width, basic->RowsHeight());
    const int customTop = basic->Top() + basic->Height() + 6;
    form->Add<TLabel>(margin, customTop, width, 16, "自定义颜色(&C):");
    auto* customSwatches = TSwatches::Create(form.get(), custom, &chosen);
    customSwatches->SetParent(form.get());
    customSwatches->SetBounds(margin, customTop + 20, width, customSwatches->RowsHeight());
    const int buttonsTop = customSwatches->Top() + customSwatches->Height() + 6;
    form->AddButton(margin, buttonsTop, "确定", mrOk);
    form->AddButton(margin + 85, buttonsTop, "取消", mrCancel);
    form->SetClientHeightProperty(buttonsTop + 23 + margin);
    if (ShowDialogForm(form.get()) != mrOk) return false;
    color_ = chosen;
    return true;
}
