// The cell-check plug-in of the string grid: a component the grid asks to
// correct an edited value before its validation event and to mark the
// errors of the validated value after it. This base class changes nothing.
#pragma once

#include "platform/rtl/component.h"

class TBavStringGridCheck : public TComponent {
    SERVIORA_CLASS(TBavStringGridCheck, TComponent)
    SERVIORA_PUBLISHED

public:
    explicit TBavStringGridCheck(TComponent* owner);

    // The value with its errors marked.
    virtual AnsiString MarkError(int col, int row, const AnsiString& value);
    // The corrected value.
    virtual AnsiString Correct(int col, int row, const AnsiString& value);

    bool AutoCorrect() const { return autoCorrect_; }
    void SetAutoCorrect(bool v) { autoCorrect_ = v; }
    bool AutoMarkError() const { return autoMarkError_; }
    void SetAutoMarkError(bool v) { autoMarkError_ = v; }
    // Options for a checker's own use; the grid does not read them.
    bool GotoCell() const { return gotoCell_; }
    void SetGotoCell(bool v) { gotoCell_ = v; }
    bool UseCorrect() const { return useCorrect_; }
    void SetUseCorrect(bool v) { useCorrect_ = v; }
    bool UseMarkError() const { return useMarkError_; }
    void SetUseMarkError(bool v) { useMarkError_ = v; }

private:
    bool autoCorrect_ = false;
    bool autoMarkError_ = false;
    bool gotoCell_ = false;
    bool useCorrect_ = false;
    bool useMarkError_ = false;
};
