// TFontDialog: choosing a font's face, size and styles in the platform's
// "#32770" dialog "字体", with a sample of the choice.
//
// With the modal responder holding an answer, Execute takes it instead of
// showing the dialog (kind "FontDialog", the question's text the font's
// name): a result other than 0 accepts, and the answer's text, when not
// empty, is "name" or "name,size".
#pragma once

#include <memory>

#include "platform/ui/commondialog.h"

SERVIORA_ENUM(TFontDialogOption, fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist,
              fdNoFaceSel, fdNoOEMFonts, fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp,
              fdWysiwyg, fdLimitSize, fdScalableOnly, fdApplyButton)
using TFontDialogOptions = TSet<TFontDialogOption>;
SERVIORA_ENUM(TFontDialogDevice, fdScreen, fdPrinter, fdBoth)

class TFontDialog : public TCommonDialog {
    SERVIORA_CLASS(TFontDialog, TCommonDialog)
    SERVIORA_PUBLISHED
public:
    explicit TFontDialog(TComponent* owner);
    ~TFontDialog() override;

    bool Execute() override;

    // The font chosen; set, the font is copied.
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* v) { font_->Assign(v); }
    // The platform lists the screen's fonts for every device.
    TFontDialogDevice Device() const { return device_; }
    void SetDevice(TFontDialogDevice v) { device_ = v; }
    // With fdLimitSize, the sizes offered lie between these (0: no bound).
    int MinFontSize() const { return minFontSize_; }
    void SetMinFontSize(int v) { minFontSize_ = v; }
    int MaxFontSize() const { return maxFontSize_; }
    void SetMaxFontSize(int v) { maxFontSize_ = v; }
    TFontDialogOptions Options() const { return options_; }
    // Held in 16 bits, as the options always were.
    void SetOptions(TFontDialogOptions v) { options_ = TFontDialogOptions::FromBits(v.Bits() & 0xFFFF); }

private:
    bool RunDialog();
    bool SizeAllowed(int size) const;

    std::unique_ptr<TFont> font_;
    TFontDialogDevice device_ = fdScreen;
    int minFontSize_ = 0, maxFontSize_ = 0;
    TFontDialogOptions options_{fdEffects};
};
