// TVxBlinkingControlsList: the one list of controls that may blink, with a
// single timer, so that every blinking control switches at the same moment.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/extctrls.h"

// Asked of each listed control: answer 1 to take part in blinking.
constexpr UINT VXM_QUERYBLINKING = 0xB3E8;
// The new phase: WParam 1 shows the blink colour, 0 the normal one.
constexpr UINT VXM_BLINKPHASE = 0xB3E9;

class TVxBlinkingControlsList {
public:
    // The list while any control is in it, else null.
    static TVxBlinkingControlsList* Instance();
    // The first control added creates the list, removing the last frees it.
    static void Add(TControl* control);
    static void Remove(TControl* control);

    virtual ~TVxBlinkingControlsList();
    virtual int Count() const { return int(controls_.size()); }
    // How long the blink colour and the normal colour show; a change takes
    // effect at the next switch.
    Word IntervalOn() const { return intervalOn_; }
    void SetIntervalOn(Word v) { intervalOn_ = v; }
    Word IntervalOff() const { return intervalOff_; }
    void SetIntervalOff(Word v) { intervalOff_ = v; }

private:
    TVxBlinkingControlsList();
    void Tick();

    Byte state_ = 1;
    Word intervalOn_ = 500;
    Word intervalOff_ = 500;
    std::unique_ptr<TTimer> timer_;
    std::vector<TControl*> controls_;
};
