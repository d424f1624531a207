// Custom variant types: a subsystem derives from TCustomVariantType to carry
// its own payload (an object reference, a shared record, a set mask...) in a
// Variant, and supplies the operations that payload supports. Creating the
// type object registers it and hands out its code (CFirstUserType upward, in
// creation order); destroying it withdraws the code, which is never reused.
// Types are created at start-up, before values of them are made.
#pragma once

#include <any>

#include "platform/rtl/object.h"
#include "platform/rtl/variant.h"

class TCustomVariantType : public TObject {
public:
    // EVariantError when every code is taken.
    explicit TCustomVariantType(AnsiString name);
    ~TCustomVariantType() override;

    TVarType VarType() const { return varType_; }
    // The name VarTypeAsText and conversion errors show.
    const AnsiString& Name() const { return name_; }

    // A value of this type holding `data`.
    Variant MakeValue(std::any data) const;
    // A value of this type holding `word` (an object reference, a pointer, a
    // mask) inline, not in a std::any: its copies copy the word without
    // calling Copy, and Clear is never called for it. CustomWord gives the
    // word back; CustomData answers as for a value of a standard type.
    Variant MakeInlineValue(std::uintptr_t word) const { return Variant(varType_, Variant::InlineWord{word}); }

    // The payload a copy of a value holds. Default: a copy of the std::any,
    // so a shared pointer inside is shared and a plain value duplicated.
    virtual std::any Copy(const std::any& source) const;
    // Called when a value goes away or is overwritten, before its payload
    // is destroyed. Default: nothing more.
    virtual void Clear(std::any& data) const;
    // Whether a value counts as clear (VarIsClear). Default: no payload (an
    // inline value always has one).
    virtual bool IsClear(const Variant& value) const;

    // `source` (of any other type) converted into this type. Default:
    // EVariantTypeCastError.
    virtual Variant Cast(const Variant& source) const;
    // A value of this type converted into the standard type `target`.
    // Default: string targets through ToString, others
    // EVariantTypeCastError.
    virtual Variant CastTo(const Variant& source, TVarType target) const;
    // Default: EVariantTypeCastError.
    virtual AnsiString ToString(const Variant& value) const;

    // Called when either operand is of this type (the left one first when
    // both are custom). Default: EVariantInvalidOpError.
    virtual Variant BinaryOp(const Variant& left, const Variant& right, TVarOp op) const;
    // opNegate or opNot. Default: EVariantInvalidOpError.
    virtual Variant UnaryOp(const Variant& operand, TVarOp op) const;
    // Ordering of two values, either of this type. Default:
    // EVariantInvalidOpError.
    virtual TVarCompareResult Compare(const Variant& left, const Variant& right) const;
    // One comparison operator (opCmpEQ..opCmpGE). Default: through Compare;
    // a type that only knows equality overrides this one.
    virtual bool CompareOp(const Variant& left, const Variant& right, TVarOp op) const;

private:
    AnsiString name_;
    TVarType varType_;
};

// The registered type of a code or name; false when there is none.
bool FindCustomVariantType(TVarType type, TCustomVariantType*& customType);
bool FindCustomVariantType(const AnsiString& name, TCustomVariantType*& customType);
