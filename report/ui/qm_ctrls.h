// The report windows' own controls: report-named docks, separators, edits,
// toolbar buttons and menu items, and the flat combo box whose frame and
// arrow light up under the pointer or with the focus.
#pragma once

#include "platform/ui/menus.h"
#include "platform/ui/stdctrls_combo.h"
#include "report/ui/qm_tbqy.h"
#include "report/ui/qm_tbqyctls.h"
#include "report/ui/qm_tbqyedit.h"
#include "report/ui/qm_tbqytlbr.h"

class TQmDock : public TDockQy {
    SERVIORA_CLASS(TQmDock, TDockQy)
public:
    using TDockQy::TDockQy;
};

class TQmToolbarSep : public TToolbarSepQy {
    SERVIORA_CLASS(TQmToolbarSep, TToolbarSepQy)
public:
    using TToolbarSepQy::TToolbarSepQy;
};

class TQmEdit : public TEditQy {
    SERVIORA_CLASS(TQmEdit, TEditQy)
public:
    using TEditQy::TEditQy;
};

class TQmToolbarButton : public TToolbarButtonQy {
    SERVIORA_CLASS(TQmToolbarButton, TToolbarButtonQy)
public:
    using TToolbarButtonQy::TToolbarButtonQy;
};

class TQmCustomMenuItem : public TMenuItem {
    SERVIORA_CLASS(TQmCustomMenuItem, TMenuItem)
public:
    using TMenuItem::TMenuItem;
};

class TQmMenuItem : public TQmCustomMenuItem {
    SERVIORA_CLASS(TQmMenuItem, TQmCustomMenuItem)
public:
    using TQmCustomMenuItem::TQmCustomMenuItem;
};

class TQmSeparatorMenuItem : public TQmMenuItem {
    SERVIORA_CLASS(TQmSeparatorMenuItem, TQmMenuItem)
public:
    explicit TQmSeparatorMenuItem(TComponent* owner);
};

// A separator for the engine's popup menus, owned by the application.
TQmSeparatorMenuItem* NewSeparatorMenuItem();

class TCustomComboBoxQy : public TCustomComboBox {
    SERVIORA_CLASS(TCustomComboBoxQy, TCustomComboBox)
public:
    explicit TCustomComboBoxQy(TComponent* owner);

    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    // Whether the flat frame shows active (sunken, with a raised arrow).
    bool Active() const;
    // Whether the arrow shows pressed.
    bool ArrowPressed() const { return state_ & kPressed; }

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WMPaint(TMessage& Message);
    void CMFrameChanged(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);

    SERVIORA_MESSAGES_BEGIN
        SERVIORA_MESSAGE(WM_PAINT, WMPaint)
        SERVIORA_MESSAGE(CM_ENTER, CMFrameChanged)
        SERVIORA_MESSAGE(CM_EXIT, CMFrameChanged)
        SERVIORA_MESSAGE(CM_MOUSEENTER, CMMouseEnter)
        SERVIORA_MESSAGE(CM_MOUSELEAVE, CMMouseLeave)
        SERVIORA_MESSAGE(CM_ENABLEDCHANGED, CMEnabledChanged)
    SERVIORA_MESSAGES_END(TCustomComboBox)

private:
    static constexpr int kPressed = 1, kTracking = 2;
    void DrawFrame();
    // Follows the pointer while the arrow is held: pressed only over it.
    void TrackArrow(int x, int y);

    bool flat_ = true;
    TColor savedColor_ = clWindow;
    bool savedParentColor_ = false;
    int buttonWidth_;
    int state_ = 0;
    bool hot_ = false;
};

class TQmComboBoxQy : public TCustomComboBoxQy {
    SERVIORA_CLASS(TQmComboBoxQy, TCustomComboBoxQy)
    SERVIORA_PUBLISHED
public:
    using TCustomComboBoxQy::TCustomComboBoxQy;
};
