// Read-property interceptors: objects that stand in for a target while its
// stored settings are read back, and apply them afterwards (a form's
// placement scaled to the screen, a column's width, the columns' order);
// and the registry pairing target classes with interceptor classes.
#pragma once

#include <memory>

#include "platform/rtl/persistent.h"
#include "platform/ui/forms.h"

class TStoragePropertyInterceptor : public TPersistent {
    SERVIORA_HIERARCHY(TStoragePropertyInterceptor, TPersistent, TPersistent* /*Target*/)
public:
    explicit TStoragePropertyInterceptor(TPersistent* target) : target_(target) {}
    TPersistent* Target() const { return target_; }
    virtual bool InterceptNeeded() const { return true; }
    // Applies what was read.
    virtual void AfterRead() {}

private:
    TPersistent* target_;
};
using TStoragePropertyInterceptorClass = const TStoragePropertyInterceptor::MetaClassType*;

// A form's placement, stored at one screen resolution and restored at another.
class TFormStoragePropertyInterceptor : public TStoragePropertyInterceptor {
    SERVIORA_CLASS(TFormStoragePropertyInterceptor, TStoragePropertyInterceptor)
    SERVIORA_PUBLISHED
public:
    explicit TFormStoragePropertyInterceptor(TPersistent* target);

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* v) { activeControl_ = v; }
    int Left() const { return NormalBounds().left; }
    void SetLeft(int v);
    int Top() const { return NormalBounds().top; }
    void SetTop(int v);
    int Width() const { return NormalBounds().right - NormalBounds().left; }
    void SetWidth(int v) { width_ = v; }
    int Height() const { return NormalBounds().bottom - NormalBounds().top; }
    void SetHeight(int v) { height_ = v; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState v) { windowState_ = v; }

    void AfterRead() override;

private:
    TCustomForm* Form() const { return dynamic_cast<TCustomForm*>(Target()); }
    // The target's bounds when shown normally (empty without a form).
    TRect NormalBounds() const;

    TWinControl* activeControl_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    int pixelsPerInch_ = 96;
    bool positionRead_ = false;
    TWindowState windowState_ = wsNormal;
};

// A column's width: the auto-fit base width under AutoFitColWidths.
class TColumnVynPropertyInterceptor : public TStoragePropertyInterceptor {
    SERVIORA_CLASS(TColumnVynPropertyInterceptor, TStoragePropertyInterceptor)
    SERVIORA_PUBLISHED
public:
    using TStoragePropertyInterceptor::TStoragePropertyInterceptor;
    // Write only: reading gives 0.
    int Width() const { return 0; }
    void SetWidth(int v);
};

// The order of a grid's columns as a list of quoted field names.
class TColumnsVynPropertyInterceptor : public TStoragePropertyInterceptor {
    SERVIORA_CLASS(TColumnsVynPropertyInterceptor, TStoragePropertyInterceptor)
    SERVIORA_PUBLISHED
public:
    using TStoragePropertyInterceptor::TStoragePropertyInterceptor;
    AnsiString ColumnsIndex() const;
    // Moves the named columns to the front in the order given; unknown
    // names are skipped.
    void SetColumnsIndex(const AnsiString& v);

private:
    AnsiString lastColumnsIndex_;
};

// Pairs a target class with its interceptor class, replacing any earlier
// pair of the target.
void AddReadInterceptor(TClass target, TStoragePropertyInterceptorClass interceptor);
void RemoveReadInterceptor(TClass target, TStoragePropertyInterceptorClass interceptor);
// The interceptor class registered for exactly this class, or nullptr.
TStoragePropertyInterceptorClass ReadInterceptorFor(TClass target);
// The pairs the library registers at start-up, and their removal.
void RegisterStandardReadInterceptors();
void ClearReadInterceptors();
