// Qm_DialogComponent: the objects of dialog pages — components the page
// shows as an icon, and controls that own a live platform control drawn into
// the page while it is shown. Concrete components register as add-ins;
// none is part of this system.
#pragma once

#include "report/core/qm_view.h"

class TControl;

class TQmDialogComponent : public TQmView {
    SERVIORA_CLASS(TQmDialogComponent, TQmView)
public:
    TQmDialogComponent();

    void GetDefaultSize(int& width, int& height) const override;
    // A record of its own (version 2), not the object record.
    void LoadFromStream(TStream* stream) override;
    void SaveToStream(TStream* stream) override;
    // The component's icon on a raised button face, always 28 x 28.
    void Draw(TCanvas* canvas) override;

    Integer TabOrder = -1;
    AnsiString ParentControlName;
    AnsiString IconResourceName = "Qm_DialogComponent";
};

class TQmDialogControl : public TQmDialogComponent {
    SERVIORA_CLASS(TQmDialogControl, TQmDialogComponent)
public:
    TQmDialogControl();

    // Names go straight to the published properties.
    bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                      const std::vector<Variant>& arguments) override;
    bool SetPropValue(TObject* object, const AnsiString& name, const Variant& value) override;
    void SetspBound(int index, Integer pixels) override;
    // The live control's image.
    void Draw(TCanvas* canvas) override;
    virtual TObject* DialogControlHook1() { return nullptr; }
    virtual void DialogControlHook2() {}
    // Prints the live control into a bitmap and draws that on the canvas.
    void PaintControl();

    // Created and owned by the concrete control.
    TControl* Control = nullptr;
};
