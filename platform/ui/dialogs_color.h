// TColorDialog: choosing a colour from the basic colours or the sixteen
// custom ones, in the platform's "#32770" dialog "颜色".
//
// With the modal responder holding an answer, Execute takes it instead of
// showing the dialog (kind "ColorDialog", the question's text the colour
// as a number): a result other than 0 accepts, and the answer's text, when
// not empty, is the colour chosen (decimal or "$" hexadecimal).
#pragma once

#include <memory>

#include "platform/rtl/stringlist.h"
#include "platform/ui/commondialog.h"

SERVIORA_ENUM(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor)
using TColorDialogOptions = TSet<TColorDialogOption>;

class TColorDialog : public TCommonDialog {
    SERVIORA_CLASS(TColorDialog, TCommonDialog)
    SERVIORA_PUBLISHED
public:
    explicit TColorDialog(TComponent* owner);
    ~TColorDialog() override;

    bool Execute() override;

    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    // "ColorA=FFFFFF" .. "ColorP=...": the custom colours as hexadecimal
    // RGB values in blue-green-red order; set, the list is copied.
    TStrings* CustomColors() const { return customColors_.get(); }
    void SetCustomColors(TStrings* v) { customColors_->Assign(v); }
    TColorDialogOptions Options() const { return options_; }
    // Held in 8 bits, as the options always were.
    void SetOptions(TColorDialogOptions v) { options_ = TColorDialogOptions::FromBits(v.Bits() & 0xFF); }

    // The colour of custom slot 0..15 (white when the list has none).
    TColor CustomColor(int slot) const;

private:
    TColor color_ = clBlack;
    std::unique_ptr<TStringList> customColors_;
    TColorDialogOptions options_;
};
