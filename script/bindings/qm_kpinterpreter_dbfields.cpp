// The field and definition classes of the script unit "Db": one small
// callback per member. A typed field class reads and writes "Value" through
// its own typed accessor, so the Variant's kind follows the class.
#include <algorithm>

#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/data/indexdefs.h"
#include "platform/rtl/datetime.h"
#include "platform/rtl/pchar.h"
#include "platform/rtl/streams.h"
#include "script/bindings/qm_kpinterpreter_db_classes.h"
#include "script/qm_kpinterpreter_adapter.h"
#include "script/qm_kpinterpreter_bindargs.h"
#include "script/qm_kpinterpreter_values.h"
#include "script/qm_kpinterpreterconst.h"

namespace dbbindings {

namespace {

using namespace bindargs;

template <class T>
TClass DefineCreatable(TKpInterpreterAdapter& a) {
    a.DefineClass(unitName, T::StaticClass());
    a.DefineGetter(T::StaticClass(), "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new T(ObjArg<TComponent>(f, 0))); }, 1, {0}, 0);
    return T::StaticClass();
}

template <class T>
void DefineFieldClass(TKpInterpreterAdapter& a, ClassList& streamed) {
    streamed.push_back(DefineCreatable<T>(a));
}

// "Value" of a typed field class: `Read` and `Write` go through its typed accessors.
void DefineValue(TKpInterpreterAdapter& a, TClass c, THostGetCallback read, THostSetCallback write) {
    a.DefineGetter(c, "Value", std::move(read), 0, {}, 0);
    a.DefineSetter(c, "Value", std::move(write), 0, {});
}

template <class T>
void DefineTransliterate(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "Transliterate", [](Variant& v, Frame& f) { v = Self<T>(f)->Transliterate(); }, 0, {}, 0);
    a.DefineSetter(c, "Transliterate", [](const Variant& v, Frame& f) { Self<T>(f)->SetTransliterate(v.AsBoolean()); }, 0, {});
}

// A string property of a field, through its accessor pair.
template <const AnsiString& (TField::*Get)() const, void (TField::*Set)(const AnsiString&)>
void DefineFieldText(TKpInterpreterAdapter& a, TClass c, const char* name) {
    a.DefineGetter(c, name, [](Variant& v, Frame& f) { v = (Self<TField>(f)->*Get)(); }, 0, {}, 0);
    a.DefineSetter(c, name, [](const Variant& v, Frame& f) { (Self<TField>(f)->*Set)(VarToStr(v)); }, 0, {});
}

void RegisterFieldConstraints(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "HasConstraints", [](Variant& v, Frame& f) { v = Self<TField>(f)->HasConstraints(); }, 0, {}, 0);
    DefineFieldText<&TField::AttributeSet, &TField::SetAttributeSet>(a, c, "AttributeSet");
    DefineFieldText<&TField::ConstraintErrorMessage, &TField::SetConstraintErrorMessage>(a, c, "ConstraintErrorMessage");
    DefineFieldText<&TField::CustomConstraint, &TField::SetCustomConstraint>(a, c, "CustomConstraint");
    DefineFieldText<&TField::DefaultExpression, &TField::SetDefaultExpression>(a, c, "DefaultExpression");
    DefineFieldText<&TField::ImportedConstraint, &TField::SetImportedConstraint>(a, c, "ImportedConstraint");
}

// The buffer argument of the native-format members: only a block AllocMem
// handed out, with room for the field's DataSize bytes, reaches the field.
void* NativeBuffer(Frame& f) {
    void* buffer = VariantToPointer(Arg(f, 0));
    const std::size_t needed = std::size_t(std::max(Self<TField>(f)->DataSize(), 1));
    if (!buffer || AllocMemAvailable(buffer) < needed) RaiseScriptError(109, -1);
    return buffer;
}

void RegisterFieldNativeData(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "DataSize", [](Variant& v, Frame& f) { v = Integer(Self<TField>(f)->DataSize()); }, 0, {}, 0);
    a.DefineGetter(c, "Offset", [](Variant& v, Frame& f) { v = Integer(Self<TField>(f)->Offset()); }, 0, {}, 0);
    a.DefineGetter(c, "GetData", [](Variant& v, Frame& f) { v = Self<TField>(f)->GetData(NativeBuffer(f)); }, 1, {0}, 0);
    a.DefineGetter(c, "SetData", [](Variant&, Frame& f) { Self<TField>(f)->SetData(NativeBuffer(f)); }, 1, {0}, 0);
    a.DefineGetter(c, "Validate", [](Variant&, Frame& f) { Self<TField>(f)->Validate(NativeBuffer(f)); }, 1, {0}, 0);
}

// The members a blob field registers again for itself.
void RegisterFieldCommonMethods(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "Assign", [](Variant&, Frame& f) { Self<TField>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "Clear", [](Variant&, Frame& f) { Self<TField>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(c, "IsBlob", [](Variant& v, Frame& f) { v = Self<TField>(f)->IsBlob(); }, 0, {}, 0);
    a.DefineGetter(c, "SetFieldType", [](Variant&, Frame& f) { Self<TField>(f)->SetFieldType(TFieldType(IntArg(f, 0))); }, 1, {0}, 0);
}

void RegisterFieldMethods(TKpInterpreterAdapter& a, TClass c) {
    RegisterFieldCommonMethods(a, c);
    a.DefineGetter(c, "FocusControl", [](Variant&, Frame& f) { Self<TField>(f)->FocusControl(); }, 0, {}, 0);
    a.DefineGetter(c, "RefreshLookupList", [](Variant&, Frame& f) { Self<TField>(f)->RefreshLookupList(); }, 0, {}, 0);
    a.DefineGetter(c, "IsIndexField", [](Variant& v, Frame& f) { v = Self<TField>(f)->IsIndexField(); }, 0, {}, 0);
    a.DefineGetter(c, "IsValidChar", [](Variant& v, Frame& f) { v = Self<TField>(f)->IsValidChar(CharArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "CanModify", [](Variant& v, Frame& f) { v = Self<TField>(f)->CanModify(); }, 0, {}, 0);
    a.DefineGetter(c, "IsNull", [](Variant& v, Frame& f) { v = Self<TField>(f)->IsNull(); }, 0, {}, 0);
    a.DefineGetter(c, "FieldNo", [](Variant& v, Frame& f) { v = Integer(Self<TField>(f)->FieldNo()); }, 0, {}, 0);
    a.DefineGetter(c, "DataType", [](Variant& v, Frame& f) { v = Byte(Self<TField>(f)->DataType()); }, 0, {}, 0);
    a.DefineGetter(c, "DisplayName", [](Variant& v, Frame& f) { v = Self<TField>(f)->DisplayName(); }, 0, {}, 0);
    a.DefineGetter(c, "DisplayText", [](Variant& v, Frame& f) { v = Self<TField>(f)->DisplayText(); }, 0, {}, 0);
    a.DefineGetter(c, "EditMaskPtr", [](Variant& v, Frame& f) { v = Self<TField>(f)->EditMask(); }, 0, {}, 0);
}

void RegisterFieldValues(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "AsBoolean", [](Variant& v, Frame& f) { v = Self<TField>(f)->AsBoolean(); }, 0, {}, 0);
    a.DefineSetter(c, "AsBoolean", [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsBoolean(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "AsCurrency", [](Variant& v, Frame& f) { v = Self<TField>(f)->AsCurrency(); }, 0, {}, 0);
    a.DefineSetter(c, "AsCurrency", [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsCurrency(v.AsCurrency()); }, 0, {});
    a.DefineGetter(c, "AsDateTime", [](Variant& v, Frame& f) { v = VarFromDateTime(Self<TField>(f)->AsDateTime()); }, 0, {}, 0);
    a.DefineSetter(c, "AsDateTime", [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsDateTime(TDateTime(v.AsDouble())); }, 0, {});
    a.DefineGetter(c, "AsFloat", [](Variant& v, Frame& f) { v = Self<TField>(f)->AsFloat(); }, 0, {}, 0);
    a.DefineSetter(c, "AsFloat", [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsFloat(v.AsDouble()); }, 0, {});
    a.DefineGetter(c, "AsInteger", [](Variant& v, Frame& f) { v = Self<TField>(f)->AsInteger(); }, 0, {}, 0);
    a.DefineSetter(c, "AsInteger", [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsInteger(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "AsString", [](Variant& v, Frame& f) { v = Self<TField>(f)->AsString(); }, 0, {}, 0);
    a.DefineSetter(c, "AsString", [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsString(VarToStr(v)); }, 0, {});
    const THostGetCallback read = [](Variant& v, Frame& f) { v = Self<TField>(f)->AsVariant(); };
    const THostSetCallback write = [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsVariant(v); };
    a.DefineGetter(c, "AsVariant", read, 0, {}, 0);
    a.DefineSetter(c, "AsVariant", write, 0, {});
    DefineValue(a, c, read, write);
    a.DefineGetter(c, "OldValue", [](Variant& v, Frame& f) { v = Self<TField>(f)->OldValue(); }, 0, {}, 0);
    a.DefineGetter(c, "CurValue", [](Variant& v, Frame& f) { v = Self<TField>(f)->CurValue(); }, 0, {}, 0);
    a.DefineGetter(c, "NewValue", [](Variant& v, Frame& f) { v = Self<TField>(f)->NewValue(); }, 0, {}, 0);
    a.DefineSetter(c, "NewValue", [](const Variant& v, Frame& f) { Self<TField>(f)->SetNewValue(v); }, 0, {});
    a.DefineGetter(c, "Text", [](Variant& v, Frame& f) { v = Self<TField>(f)->Text(); }, 0, {}, 0);
    a.DefineSetter(c, "Text", [](const Variant& v, Frame& f) { Self<TField>(f)->SetText(VarToStr(v)); }, 0, {});
}

void RegisterFieldProperties(TKpInterpreterAdapter& a, TClass c) {
    a.DefineGetter(c, "Alignment", [](Variant& v, Frame& f) { v = Byte(Self<TField>(f)->Alignment()); }, 0, {}, 0);
    a.DefineSetter(c, "Alignment", [](const Variant& v, Frame& f) { Self<TField>(f)->SetAlignment(TAlignment(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "Calculated", [](Variant& v, Frame& f) { v = Self<TField>(f)->Calculated(); }, 0, {}, 0);
    a.DefineSetter(c, "Calculated", [](const Variant& v, Frame& f) { Self<TField>(f)->SetCalculated(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "DataSet", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TField>(f)->DataSet()); }, 0, {}, 0);
    a.DefineSetter(c, "DataSet", [](const Variant& v, Frame& f) { Self<TField>(f)->SetDataSet(CheckedCast<TDataSet>(v)); }, 0, {});
    a.DefineGetter(c, "DisplayLabel", [](Variant& v, Frame& f) { v = Self<TField>(f)->DisplayLabel(); }, 0, {}, 0);
    a.DefineSetter(c, "DisplayLabel", [](const Variant& v, Frame& f) { Self<TField>(f)->SetDisplayLabel(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "DisplayWidth", [](Variant& v, Frame& f) { v = Integer(Self<TField>(f)->DisplayWidth()); }, 0, {}, 0);
    a.DefineSetter(c, "DisplayWidth", [](const Variant& v, Frame& f) { Self<TField>(f)->SetDisplayWidth(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "EditMask", [](Variant& v, Frame& f) { v = Self<TField>(f)->EditMask(); }, 0, {}, 0);
    a.DefineSetter(c, "EditMask", [](const Variant& v, Frame& f) { Self<TField>(f)->SetEditMask(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "FieldKind", [](Variant& v, Frame& f) { v = Byte(Self<TField>(f)->FieldKind()); }, 0, {}, 0);
    a.DefineSetter(c, "FieldKind", [](const Variant& v, Frame& f) { Self<TField>(f)->SetFieldKind(TFieldKind(v.AsInteger())); }, 0, {});
    a.DefineGetter(c, "FieldName", [](Variant& v, Frame& f) { v = Self<TField>(f)->FieldName(); }, 0, {}, 0);
    a.DefineSetter(c, "FieldName", [](const Variant& v, Frame& f) { Self<TField>(f)->SetFieldName(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Index", [](Variant& v, Frame& f) { v = Integer(Self<TField>(f)->Index()); }, 0, {}, 0);
    a.DefineSetter(c, "Index", [](const Variant& v, Frame& f) { Self<TField>(f)->SetIndex(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "KeyFields", [](Variant& v, Frame& f) { v = Self<TField>(f)->KeyFields(); }, 0, {}, 0);
    a.DefineSetter(c, "KeyFields", [](const Variant& v, Frame& f) { Self<TField>(f)->SetKeyFields(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Lookup", [](Variant& v, Frame& f) { v = Self<TField>(f)->Lookup(); }, 0, {}, 0);
    a.DefineGetter(c, "LookupCache", [](Variant& v, Frame& f) { v = Self<TField>(f)->LookupCache(); }, 0, {}, 0);
    a.DefineSetter(c, "LookupCache", [](const Variant& v, Frame& f) { Self<TField>(f)->SetLookupCache(v.AsBoolean()); }, 0, {});
    a.DefineSetter(c, "Lookup", [](const Variant& v, Frame& f) { Self<TField>(f)->SetLookup(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "LookupDataSet", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TField>(f)->LookupDataSet()); }, 0, {}, 0);
    a.DefineSetter(c, "LookupDataSet", [](const Variant& v, Frame& f) { Self<TField>(f)->SetLookupDataSet(CheckedCast<TDataSet>(v)); }, 0, {});
    a.DefineGetter(c, "LookupKeyFields", [](Variant& v, Frame& f) { v = Self<TField>(f)->LookupKeyFields(); }, 0, {}, 0);
    a.DefineSetter(c, "LookupKeyFields", [](const Variant& v, Frame& f) { Self<TField>(f)->SetLookupKeyFields(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "LookupResultField", [](Variant& v, Frame& f) { v = Self<TField>(f)->LookupResultField(); }, 0, {}, 0);
    a.DefineSetter(c, "LookupResultField", [](const Variant& v, Frame& f) { Self<TField>(f)->SetLookupResultField(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "Origin", [](Variant& v, Frame& f) { v = Self<TField>(f)->Origin(); }, 0, {}, 0);
    a.DefineSetter(c, "Origin", [](const Variant& v, Frame& f) { Self<TField>(f)->SetOrigin(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "ReadOnly", [](Variant& v, Frame& f) { v = Self<TField>(f)->ReadOnly(); }, 0, {}, 0);
    a.DefineSetter(c, "ReadOnly", [](const Variant& v, Frame& f) { Self<TField>(f)->SetReadOnly(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Required", [](Variant& v, Frame& f) { v = Self<TField>(f)->Required(); }, 0, {}, 0);
    a.DefineSetter(c, "Required", [](const Variant& v, Frame& f) { Self<TField>(f)->SetRequired(v.AsBoolean()); }, 0, {});
    a.DefineGetter(c, "Size", [](Variant& v, Frame& f) { v = Integer(Self<TField>(f)->Size()); }, 0, {}, 0);
    a.DefineSetter(c, "Size", [](const Variant& v, Frame& f) { Self<TField>(f)->SetSize(v.AsInteger()); }, 0, {});
    a.DefineGetter(c, "Visible", [](Variant& v, Frame& f) { v = Self<TField>(f)->Visible(); }, 0, {}, 0);
    a.DefineSetter(c, "Visible", [](const Variant& v, Frame& f) { Self<TField>(f)->SetVisible(v.AsBoolean()); }, 0, {});
}

void RegisterNumericFields(TKpInterpreterAdapter& a, ClassList& streamed) {
    DefineFieldClass<TNumericField>(a, streamed);
    const TClass n = TNumericField::StaticClass();
    a.DefineGetter(n, "DisplayFormat", [](Variant& v, Frame& f) { v = Self<TNumericField>(f)->DisplayFormat(); }, 0, {}, 0);
    a.DefineSetter(n, "DisplayFormat", [](const Variant& v, Frame& f) { Self<TNumericField>(f)->SetDisplayFormat(VarToStr(v)); }, 0, {});
    a.DefineGetter(n, "EditFormat", [](Variant& v, Frame& f) { v = Self<TNumericField>(f)->EditFormat(); }, 0, {}, 0);
    a.DefineSetter(n, "EditFormat", [](const Variant& v, Frame& f) { Self<TNumericField>(f)->SetEditFormat(VarToStr(v)); }, 0, {});
    DefineFieldClass<TIntegerField>(a, streamed);
    const TClass i = TIntegerField::StaticClass();
    DefineValue(a, i, [](Variant& v, Frame& f) { v = Self<TField>(f)->AsInteger(); },
                [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsInteger(v.AsInteger()); });
    a.DefineGetter(i, "MaxValue", [](Variant& v, Frame& f) { v = Self<TIntegerField>(f)->MaxValue(); }, 0, {}, 0);
    a.DefineSetter(i, "MaxValue", [](const Variant& v, Frame& f) { Self<TIntegerField>(f)->SetMaxValue(v.AsInteger()); }, 0, {});
    a.DefineGetter(i, "MinValue", [](Variant& v, Frame& f) { v = Self<TIntegerField>(f)->MinValue(); }, 0, {}, 0);
    a.DefineSetter(i, "MinValue", [](const Variant& v, Frame& f) { Self<TIntegerField>(f)->SetMinValue(v.AsInteger()); }, 0, {});
    DefineFieldClass<TSmallintField>(a, streamed);
    DefineFieldClass<TWordField>(a, streamed);
    DefineFieldClass<TAutoIncField>(a, streamed);
    DefineFieldClass<TFloatField>(a, streamed);
    const TClass r = TFloatField::StaticClass();
    DefineValue(a, r, [](Variant& v, Frame& f) { v = Self<TField>(f)->AsFloat(); },
                [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsFloat(v.AsDouble()); });
    a.DefineGetter(r, "Currency", [](Variant& v, Frame& f) { v = Self<TFloatField>(f)->Currency(); }, 0, {}, 0);
    a.DefineSetter(r, "Currency", [](const Variant& v, Frame& f) { Self<TFloatField>(f)->SetCurrency(v.AsBoolean()); }, 0, {});
    a.DefineGetter(r, "MaxValue", [](Variant& v, Frame& f) { v = Self<TFloatField>(f)->MaxValue(); }, 0, {}, 0);
    a.DefineSetter(r, "MaxValue", [](const Variant& v, Frame& f) { Self<TFloatField>(f)->SetMaxValue(v.AsDouble()); }, 0, {});
    a.DefineGetter(r, "MinValue", [](Variant& v, Frame& f) { v = Self<TFloatField>(f)->MinValue(); }, 0, {}, 0);
    a.DefineSetter(r, "MinValue", [](const Variant& v, Frame& f) { Self<TFloatField>(f)->SetMinValue(v.AsDouble()); }, 0, {});
    a.DefineGetter(r, "Precision", [](Variant& v, Frame& f) { v = Integer(Self<TFloatField>(f)->Precision()); }, 0, {}, 0);
    a.DefineSetter(r, "Precision", [](const Variant& v, Frame& f) { Self<TFloatField>(f)->SetPrecision(v.AsInteger()); }, 0, {});
    DefineFieldClass<TCurrencyField>(a, streamed);
}

void RegisterOtherFields(TKpInterpreterAdapter& a, ClassList& streamed) {
    DefineFieldClass<TBooleanField>(a, streamed);
    const TClass b = TBooleanField::StaticClass();
    DefineValue(a, b, [](Variant& v, Frame& f) { v = Self<TField>(f)->AsBoolean(); },
                [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsBoolean(v.AsBoolean()); });
    a.DefineGetter(b, "DisplayValues", [](Variant& v, Frame& f) { v = Self<TBooleanField>(f)->DisplayValues(); }, 0, {}, 0);
    a.DefineSetter(b, "DisplayValues", [](const Variant& v, Frame& f) { Self<TBooleanField>(f)->SetDisplayValues(VarToStr(v)); }, 0, {});
    DefineFieldClass<TDateTimeField>(a, streamed);
    const TClass d = TDateTimeField::StaticClass();
    DefineValue(a, d, [](Variant& v, Frame& f) { v = VarFromDateTime(Self<TField>(f)->AsDateTime()); },
                [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsDateTime(TDateTime(v.AsDouble())); });
    a.DefineGetter(d, "DisplayFormat", [](Variant& v, Frame& f) { v = Self<TDateTimeField>(f)->DisplayFormat(); }, 0, {}, 0);
    a.DefineSetter(d, "DisplayFormat", [](const Variant& v, Frame& f) { Self<TDateTimeField>(f)->SetDisplayFormat(VarToStr(v)); }, 0, {});
    DefineFieldClass<TDateField>(a, streamed);
    DefineFieldClass<TTimeField>(a, streamed);
    DefineFieldClass<TBinaryField>(a, streamed);
    DefineFieldClass<TBytesField>(a, streamed);
    DefineFieldClass<TVarBytesField>(a, streamed);
    DefineFieldClass<TBCDField>(a, streamed);
    const TClass bcd = TBCDField::StaticClass();
    DefineValue(a, bcd, [](Variant& v, Frame& f) { v = Self<TField>(f)->AsCurrency(); },
                [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsCurrency(v.AsCurrency()); });
    a.DefineGetter(bcd, "Currency", [](Variant& v, Frame& f) { v = Self<TBCDField>(f)->Currency(); }, 0, {}, 0);
    a.DefineSetter(bcd, "Currency", [](const Variant& v, Frame& f) { Self<TBCDField>(f)->SetCurrency(v.AsBoolean()); }, 0, {});
    a.DefineGetter(bcd, "MaxValue", [](Variant& v, Frame& f) { v = Self<TBCDField>(f)->MaxValue(); }, 0, {}, 0);
    a.DefineSetter(bcd, "MaxValue", [](const Variant& v, Frame& f) { Self<TBCDField>(f)->SetMaxValue(v.AsCurrency()); }, 0, {});
    a.DefineGetter(bcd, "MinValue", [](Variant& v, Frame& f) { v = Self<TBCDField>(f)->MinValue(); }, 0, {}, 0);
    a.DefineSetter(bcd, "MinValue", [](const Variant& v, Frame& f) { Self<TBCDField>(f)->SetMinValue(v.AsCurrency()); }, 0, {});
    DefineFieldClass<TBlobField>(a, streamed);
    const TClass blob = TBlobField::StaticClass();
    DefineValue(a, blob, [](Variant& v, Frame& f) { v = Self<TField>(f)->AsString(); },
                [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsString(VarToStr(v)); });
    RegisterFieldCommonMethods(a, blob);
    a.DefineGetter(blob, "BlobSize", [](Variant& v, Frame& f) { v = Integer(Self<TBlobField>(f)->BlobSize()); }, 0, {}, 0);
    a.DefineGetter(blob, "BlobType", [](Variant& v, Frame& f) { v = Byte(Self<TBlobField>(f)->BlobType()); }, 0, {}, 0);
    a.DefineSetter(blob, "BlobType", [](const Variant& v, Frame& f) { Self<TBlobField>(f)->SetBlobType(TFieldType(v.AsInteger())); }, 0, {});
    DefineTransliterate<TBlobField>(a, blob);
    a.DefineGetter(blob, "Modified", [](Variant& v, Frame& f) { v = Self<TBlobField>(f)->Modified(); }, 0, {}, 0);
    a.DefineSetter(blob, "Modified", [](const Variant& v, Frame& f) { Self<TBlobField>(f)->SetModified(v.AsBoolean()); }, 0, {});
    a.DefineGetter(blob, "LoadFromFile", [](Variant&, Frame& f) { Self<TBlobField>(f)->LoadFromFile(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(blob, "SaveToFile", [](Variant&, Frame& f) { Self<TBlobField>(f)->SaveToFile(StrArg(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(blob, "LoadFromStream", [](Variant&, Frame& f) { Self<TBlobField>(f)->LoadFromStream(ObjArg<TStream>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(blob, "SaveToStream", [](Variant&, Frame& f) { Self<TBlobField>(f)->SaveToStream(ObjArg<TStream>(f, 0)); }, 1, {0}, 0);
    DefineFieldClass<TMemoField>(a, streamed);
    DefineFieldClass<TGraphicField>(a, streamed);
}

TIndexOptions IndexOptionsArg(Frame& f, int index) { return TIndexOptions::FromBits(VariantToSet(Arg(f, index))); }

}  // namespace

void RegisterFieldDefClasses(TKpInterpreterAdapter& a) {
    const TClass d = TFieldDef::StaticClass();
    a.DefineClass(unitName, d);
    // With an owner the list keeps the definition; without one the script does.
    a.DefineGetter(d, "Create", [](Variant& v, Frame& f) {
        const AnsiString name = StrArg(f, 1);
        const auto type = TFieldType(IntArg(f, 2));
        v = ObjectToVariant(TFieldDef::Create(ObjArg<TFieldDefs>(f, 0), name, type, IntArg(f, 3), BoolArg(f, 4), IntArg(f, 5)));
    }, 6, {0, 0, 0, 0, 0, 0}, 0);
    a.DefineGetter(d, "CreateField", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TFieldDef>(f)->CreateField(ObjArg<TComponent>(f, 0), nullptr)); }, 1, {0}, 0);
    a.DefineGetter(d, "DataType", [](Variant& v, Frame& f) { v = Byte(Self<TFieldDef>(f)->DataType()); }, 0, {}, 0);
    a.DefineGetter(d, "FieldClass", [](Variant& v, Frame& f) { v = ClassToVariant(Self<TFieldDef>(f)->FieldClass()); }, 0, {}, 0);
    a.DefineGetter(d, "FieldNo", [](Variant& v, Frame& f) { v = Integer(Self<TFieldDef>(f)->FieldNo()); }, 0, {}, 0);
    a.DefineGetter(d, "Name", [](Variant& v, Frame& f) { v = Self<TFieldDef>(f)->Name(); }, 0, {}, 0);
    a.DefineGetter(d, "Required", [](Variant& v, Frame& f) { v = Self<TFieldDef>(f)->Required(); }, 0, {}, 0);
    a.DefineGetter(d, "Size", [](Variant& v, Frame& f) { v = Integer(Self<TFieldDef>(f)->Size()); }, 0, {}, 0);
    a.DefineGetter(d, "InternalCalcField", [](Variant& v, Frame& f) { v = Self<TFieldDef>(f)->InternalCalcField(); }, 0, {}, 0);
    a.DefineSetter(d, "InternalCalcField", [](const Variant& v, Frame& f) { Self<TFieldDef>(f)->SetInternalCalcField(v.AsBoolean()); }, 0, {});
    a.DefineGetter(d, "Precision", [](Variant& v, Frame& f) { v = Integer(Self<TFieldDef>(f)->Precision()); }, 0, {}, 0);
    a.DefineSetter(d, "Precision", [](const Variant& v, Frame& f) { Self<TFieldDef>(f)->SetPrecision(v.AsInteger()); }, 0, {});

    const TClass l = TFieldDefs::StaticClass();
    a.DefineClass(unitName, l);
    a.DefineGetter(l, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new TFieldDefs(ObjArg<TDataSet>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(l, "Add", [](Variant&, Frame& f) { Self<TFieldDefs>(f)->Add(StrArg(f, 0), TFieldType(IntArg(f, 1)), IntArg(f, 2), BoolArg(f, 3)); }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(l, "Assign", [](Variant&, Frame& f) { Self<TFieldDefs>(f)->Assign(ObjArg<TFieldDefs>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(l, "Clear", [](Variant&, Frame& f) { Self<TFieldDefs>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(l, "Update", [](Variant&, Frame& f) { Self<TFieldDefs>(f)->Update(); }, 0, {}, 0);
    a.DefineGetter(l, "Find", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TFieldDefs>(f)->Find(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(l, "IndexOf", [](Variant& v, Frame& f) { v = Integer(Self<TFieldDefs>(f)->IndexOf(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(l, "Count", [](Variant& v, Frame& f) { v = Integer(Self<TFieldDefs>(f)->Count()); }, 0, {}, 0);
    a.DefineIndexedGetter(l, "Items", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TFieldDefs>(f)->Items(IntArg(f, 0))); }, 1, {0}, 0);
}

void RegisterFieldClasses(TKpInterpreterAdapter& a, ClassList& streamed) {
    const TClass c = DefineCreatable<TField>(a);
    RegisterFieldMethods(a, c);
    RegisterFieldValues(a, c);
    RegisterFieldProperties(a, c);
    RegisterFieldConstraints(a, c);
    RegisterFieldNativeData(a, c);
    DefineFieldClass<TStringField>(a, streamed);
    DefineValue(a, TStringField::StaticClass(), [](Variant& v, Frame& f) { v = Self<TField>(f)->AsString(); },
                [](const Variant& v, Frame& f) { Self<TField>(f)->SetAsString(VarToStr(v)); });
    DefineTransliterate<TStringField>(a, TStringField::StaticClass());
    RegisterNumericFields(a, streamed);
    RegisterOtherFields(a, streamed);
}

void RegisterIndexDefClasses(TKpInterpreterAdapter& a) {
    const TClass d = TIndexDef::StaticClass();
    a.DefineClass(unitName, d);
    a.DefineGetter(d, "Create", [](Variant& v, Frame& f) {
        v = ObjectToVariant(TIndexDef::Create(ObjArg<TIndexDefs>(f, 0), StrArg(f, 1), StrArg(f, 2), IndexOptionsArg(f, 3)));
    }, 4, {0, 0, 0, 0}, 0);
    a.DefineGetter(d, "Expression", [](Variant& v, Frame& f) { v = Self<TIndexDef>(f)->Expression(); }, 0, {}, 0);
    a.DefineGetter(d, "Fields", [](Variant& v, Frame& f) { v = Self<TIndexDef>(f)->Fields(); }, 0, {}, 0);
    a.DefineGetter(d, "Name", [](Variant& v, Frame& f) { v = Self<TIndexDef>(f)->Name(); }, 0, {}, 0);
    a.DefineGetter(d, "Options", [](Variant& v, Frame& f) { v = SetToVariant(Self<TIndexDef>(f)->Options().Bits()); }, 0, {}, 0);
    a.DefineGetter(d, "Source", [](Variant& v, Frame& f) { v = Self<TIndexDef>(f)->Source(); }, 0, {}, 0);
    a.DefineSetter(d, "Source", [](const Variant& v, Frame& f) { Self<TIndexDef>(f)->SetSource(VarToStr(v)); }, 0, {});

    const TClass l = TIndexDefs::StaticClass();
    a.DefineClass(unitName, l);
    a.DefineGetter(l, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new TIndexDefs(ObjArg<TDataSet>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(l, "Add", [](Variant&, Frame& f) { Self<TIndexDefs>(f)->Add(StrArg(f, 0), StrArg(f, 1), IndexOptionsArg(f, 2)); }, 3, {0, 0, 0}, 0);
    a.DefineGetter(l, "Assign", [](Variant&, Frame& f) { Self<TIndexDefs>(f)->Assign(ObjArg<TIndexDefs>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(l, "Clear", [](Variant&, Frame& f) { Self<TIndexDefs>(f)->Clear(); }, 0, {}, 0);
    a.DefineGetter(l, "Update", [](Variant&, Frame& f) { Self<TIndexDefs>(f)->Update(); }, 0, {}, 0);
    a.DefineGetter(l, "FindIndexForFields", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TIndexDefs>(f)->FindIndexForFields(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(l, "GetIndexForFields", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TIndexDefs>(f)->GetIndexForFields(StrArg(f, 0), BoolArg(f, 1))); }, 2, {0, 0}, 0);
    a.DefineGetter(l, "IndexOf", [](Variant& v, Frame& f) { v = Integer(Self<TIndexDefs>(f)->IndexOf(StrArg(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(l, "Count", [](Variant& v, Frame& f) { v = Integer(Self<TIndexDefs>(f)->Count()); }, 0, {}, 0);
    a.DefineGetter(l, "Updated", [](Variant& v, Frame& f) { v = Self<TIndexDefs>(f)->Updated(); }, 0, {}, 0);
    a.DefineSetter(l, "Updated", [](const Variant& v, Frame& f) { Self<TIndexDefs>(f)->SetUpdated(v.AsBoolean()); }, 0, {});
    const THostGetCallback item = [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TIndexDefs>(f)->Items(IntArg(f, 0))); };
    a.DefineIndexedGetter(l, "Items", item, 1, {0}, 0);
    a.DefineDefaultGetter(l, item, 1, {0}, 0);
}

void RegisterCheckConstraintClasses(TKpInterpreterAdapter& a, ClassList& streamed) {
    const TClass c = TCheckConstraint::StaticClass();
    a.DefineClass(unitName, c);
    a.DefineGetter(c, "Assign", [](Variant&, Frame& f) { Self<TCheckConstraint>(f)->Assign(ObjArg<TPersistent>(f, 0)); }, 1, {0}, 0);
    a.DefineGetter(c, "GetDisplayName", [](Variant& v, Frame& f) { v = Self<TCheckConstraint>(f)->DisplayText(); }, 0, {}, 0);
    a.DefineGetter(c, "CustomConstraint", [](Variant& v, Frame& f) { v = Self<TCheckConstraint>(f)->CustomConstraint(); }, 0, {}, 0);
    a.DefineSetter(c, "CustomConstraint", [](const Variant& v, Frame& f) { Self<TCheckConstraint>(f)->SetCustomConstraint(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "ErrorMessage", [](Variant& v, Frame& f) { v = Self<TCheckConstraint>(f)->ErrorMessage(); }, 0, {}, 0);
    a.DefineSetter(c, "ErrorMessage", [](const Variant& v, Frame& f) { Self<TCheckConstraint>(f)->SetErrorMessage(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "ImportedConstraint", [](Variant& v, Frame& f) { v = Self<TCheckConstraint>(f)->ImportedConstraint(); }, 0, {}, 0);
    a.DefineSetter(c, "ImportedConstraint", [](const Variant& v, Frame& f) { Self<TCheckConstraint>(f)->SetImportedConstraint(VarToStr(v)); }, 0, {});
    a.DefineGetter(c, "FromDictionary", [](Variant& v, Frame& f) { v = Self<TCheckConstraint>(f)->FromDictionary(); }, 0, {}, 0);
    a.DefineSetter(c, "FromDictionary", [](const Variant& v, Frame& f) { Self<TCheckConstraint>(f)->SetFromDictionary(v.AsBoolean()); }, 0, {});

    const TClass l = TCheckConstraints::StaticClass();
    a.DefineClass(unitName, l);
    a.DefineGetter(l, "Create", [](Variant& v, Frame& f) { v = ObjectToVariant(new TCheckConstraints(ObjArg<TPersistent>(f, 0))); }, 1, {0}, 0);
    a.DefineGetter(l, "Add", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCheckConstraints>(f)->Add()); }, 0, {}, 0);
    a.DefineIndexedGetter(l, "Items", [](Variant& v, Frame& f) { v = ObjectToVariant(Self<TCheckConstraints>(f)->Items(IntArg(f, 0))); }, 1, {0}, 0);
    a.DefineIndexedSetter(l, "Items", [](const Variant& v, Frame& f) { Self<TCheckConstraints>(f)->SetItems(IntArg(f, 0), CheckedCast<TCheckConstraint>(v)); }, 1, {1});
    streamed.push_back(c);
    streamed.push_back(l);
}

}  // namespace dbbindings
