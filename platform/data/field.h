// TField and its descendants: one column of a dataset's current record,
// read and written as text, numbers, booleans, dates or variants; with the
// display properties data-aware controls use. TFields is a dataset's list of
// fields; TFieldDef/TFieldDefs describe the storage's columns.
//
// Values live in the dataset's snapshot; a field converts on access (text
// cells are UTF-8 there and ANSI here). A null reads as "" through AsString
// and as 0 / false through the numeric and boolean accessors.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/data/db_types.h"
#include "platform/data/row_store.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/component.h"
#include "platform/rtl/currency.h"
#include "platform/rtl/events.h"
#include "platform/rtl/variant.h"

class TDataSet;
class TField;
class TStream;

SERVIORA_EVENT_TYPE(TFieldNotifyEvent, void(TField* Sender));
SERVIORA_EVENT_TYPE(TFieldGetTextEvent, void(TField* Sender, AnsiString& Text, bool DisplayText));
SERVIORA_EVENT_TYPE(TFieldSetTextEvent, void(TField* Sender, const AnsiString& Text));

class TField : public TComponent {
    SERVIORA_CLASS(TField, TComponent)
    SERVIORA_PUBLISHED
public:
    explicit TField(TComponent* owner);
    ~TField() override;

    TDataSet* DataSet() const { return dataSet_; }
    // Attaches the field to a closed dataset's field list (a persistent field).
    void SetDataSet(TDataSet* dataSet);

    const AnsiString& FieldName() const { return fieldName_; }
    void SetFieldName(const AnsiString& name) { fieldName_ = name; }
    // DisplayLabel when set, else FieldName.
    AnsiString DisplayName() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
    AnsiString DisplayLabel() const { return DisplayName(); }
    void SetDisplayLabel(const AnsiString& label) { displayLabel_ = label == fieldName_ ? AnsiString() : label; }
    TFieldKind FieldKind() const { return fieldKind_; }
    void SetFieldKind(TFieldKind kind) { fieldKind_ = kind; }
    // 1-based column number in the storage; 0 for calculated and lookup fields.
    int FieldNo() const { return column_ >= 0 ? column_ + 1 : 0; }
    const AnsiString& Origin() const { return origin_; }
    void SetOrigin(const AnsiString& origin) { origin_ = origin; }
    TFieldType DataType() const { return dataType_; }
    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    // Position in the dataset's field list; writing it moves the field.
    int Index() const;
    void SetIndex(int index);

    bool Calculated() const { return fieldKind_ == fkCalculated; }
    void SetCalculated(bool value) { fieldKind_ = value ? fkCalculated : fkData; }
    bool Lookup() const { return fieldKind_ == fkLookup; }
    void SetLookup(bool value) { fieldKind_ = value ? fkLookup : fkData; }
    const AnsiString& KeyFields() const { return keyFields_; }
    void SetKeyFields(const AnsiString& value) { keyFields_ = value; }
    TDataSet* LookupDataSet() const { return lookupDataSet_; }
    void SetLookupDataSet(TDataSet* value) { lookupDataSet_ = value; }
    const AnsiString& LookupKeyFields() const { return lookupKeyFields_; }
    void SetLookupKeyFields(const AnsiString& value) { lookupKeyFields_ = value; }
    const AnsiString& LookupResultField() const { return lookupResultField_; }
    void SetLookupResultField(const AnsiString& value) { lookupResultField_ = value; }
    // With LookupCache the lookup dataset's key and result values are read
    // once, when first needed, and looked up in that list; RefreshLookupList
    // reads them again after the lookup dataset changed.
    bool LookupCache() const { return lookupCache_; }
    void SetLookupCache(bool value);
    void RefreshLookupList();
    // The lookup field's value for the key field values `keys`.
    Variant LookupValue(const Variant& keys);

    // Values.
    bool IsNull() const;
    void Clear();
    virtual AnsiString AsString() const;
    virtual void SetAsString(const AnsiString& value);
    virtual Integer AsInteger() const;
    virtual void SetAsInteger(Integer value);
    virtual double AsFloat() const;
    virtual void SetAsFloat(double value);
    Currency AsCurrency() const { return Currency(AsFloat()); }
    void SetAsCurrency(Currency value) { SetAsFloat(value.ToDouble()); }
    virtual bool AsBoolean() const;
    virtual void SetAsBoolean(bool value);
    virtual TDateTime AsDateTime() const;
    virtual void SetAsDateTime(TDateTime value);
    // Null for a null field, else the value in the field's own type.
    virtual Variant AsVariant() const;
    virtual void SetAsVariant(const Variant& value);
    Variant Value() const { return AsVariant(); }
    void SetValue(const Variant& value) { SetAsVariant(value); }
    // The stored record's value, as it was before the edit began (Null for
    // a record being inserted). The snapshot is the store as this dataset
    // last read it, so CurValue answers the same; NewValue is the value
    // being edited.
    Variant OldValue() const;
    Variant CurValue() const { return OldValue(); }
    Variant NewValue() const { return AsVariant(); }
    void SetNewValue(const Variant& value) { SetAsVariant(value); }

    // The native format, as a record buffer holds the field: strings
    // zero-terminated in Size + 1 bytes; whole numbers at their width and
    // booleans in 16 bits; real, currency and BCD values as doubles; dates
    // as days and times as milliseconds of the platform's time stamp,
    // date-times as its milliseconds in a double; bytes as they are (a
    // 16-bit length first for varying ones); blobs take no bytes.
    int DataSize() const;
    // Where the field's bytes start in its dataset's record buffer.
    int Offset() const;
    // Writes the value to `buffer`; false, leaving it alone, when null.
    bool GetData(void* buffer) const;
    // Writes the buffer's value to the field; nil clears it.
    void SetData(const void* buffer);
    // Runs OnValidate with the buffer's value standing as the field's
    // value; the field keeps its own value.
    void Validate(const void* buffer);

    // Text for editing (Text) and for display (DisplayText), through
    // OnGetText when assigned; writing Text goes through OnSetText.
    AnsiString Text() const { return GetTextFor(false); }
    void SetText(const AnsiString& value);
    AnsiString DisplayText() const { return GetTextFor(true); }

    // Display.
    virtual int DisplayWidth() const { return displayWidth_ > 0 ? displayWidth_ : DefaultDisplayWidth(); }
    void SetDisplayWidth(int value) { displayWidth_ = value; }
    const AnsiString& EditMask() const { return editMask_; }
    void SetEditMask(const AnsiString& value) { editMask_ = value; }
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value) { alignment_ = value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    bool Required() const { return required_; }
    void SetRequired(bool value) { required_ = value; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { visible_ = value; }

    // Constraint and default texts, kept for the server and for callers
    // that show them; the snapshot does not evaluate them.
    const AnsiString& CustomConstraint() const { return customConstraint_; }
    void SetCustomConstraint(const AnsiString& value) { customConstraint_ = value; }
    const AnsiString& ConstraintErrorMessage() const { return constraintErrorMessage_; }
    void SetConstraintErrorMessage(const AnsiString& value) { constraintErrorMessage_ = value; }
    const AnsiString& ImportedConstraint() const { return importedConstraint_; }
    void SetImportedConstraint(const AnsiString& value) { importedConstraint_ = value; }
    const AnsiString& DefaultExpression() const { return defaultExpression_; }
    void SetDefaultExpression(const AnsiString& value) { defaultExpression_ = value; }
    const AnsiString& AttributeSet() const { return attributeSet_; }
    void SetAttributeSet(const AnsiString& value) { attributeSet_ = value; }
    // Whether any of the constraint or default texts is set.
    bool HasConstraints() const {
        return !customConstraint_.empty() || !importedConstraint_.empty() || !defaultExpression_.empty();
    }

    // Whether the field can be written now: not read-only, a data field of
    // a dataset that can be modified (calculated fields while calculating).
    bool CanModify() const;
    // Whether the field orders its dataset: the dataset's in-memory sort
    // stands in for the index in use.
    bool IsIndexField() const;
    // A field class serving several types (the blob types) takes one of
    // them; the others keep their own.
    virtual void SetFieldType(TFieldType) {}
    virtual bool IsBlob() const { return false; }
    // Whether a typed character fits the field (digits for numbers, ...).
    virtual bool IsValidChar(char c) const;
    // Asks the data-aware control showing this field to take the focus.
    void FocusControl();

    const TFieldNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(const TFieldNotifyEvent& handler) { onChange_ = handler; }
    const TFieldNotifyEvent& OnValidate() const { return onValidate_; }
    void SetOnValidate(const TFieldNotifyEvent& handler) { onValidate_ = handler; }
    const TFieldGetTextEvent& OnGetText() const { return onGetText_; }
    void SetOnGetText(const TFieldGetTextEvent& handler) { onGetText_ = handler; }
    const TFieldSetTextEvent& OnSetText() const { return onSetText_; }
    void SetOnSetText(const TFieldSetTextEvent& handler) { onSetText_ = handler; }

    // Form descriptions: a field is written nested in its dataset.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    // The dataset's binding of the field to a storage column (-1: none) and,
    // for calculated and lookup fields, to a slot of the computed values.
    int Column() const { return column_; }
    void Bind(int column, int calcSlot) {
        column_ = column;
        calcSlot_ = calcSlot;
    }
    int CalcSlot() const { return calcSlot_; }

protected:
    TField(TComponent* owner, TFieldType type, int size);
    void SetDataType(TFieldType type) { dataType_ = type; }
    // The text of the value; `displayText` chooses the display form.
    virtual AnsiString GetText(bool displayText) const;
    virtual int DefaultDisplayWidth() const { return size_ > 0 ? size_ : 10; }
    // Raw access for the descendants.
    CellView Cell() const;
    void SetCell(CellValue value);
    // A whole number from a variant: as an integer when it fits 32 bits.
    virtual void SetAsLargeValue(Int64 value);
    AnsiString CellText() const;

private:
    AnsiString GetTextFor(bool displayText) const;

    // While set, writes land here (a native value being converted) and
    // reads see `candidate_` (a value being validated).
    CellValue* capture_ = nullptr;
    const CellValue* candidate_ = nullptr;

    TDataSet* dataSet_ = nullptr;
    AnsiString fieldName_, displayLabel_, origin_, editMask_;
    AnsiString customConstraint_, constraintErrorMessage_, importedConstraint_, defaultExpression_, attributeSet_;
    AnsiString keyFields_, lookupKeyFields_, lookupResultField_;
    TDataSet* lookupDataSet_ = nullptr;
    std::vector<std::pair<Variant, Variant>> lookupList_;
    bool lookupCache_ = false, lookupListRead_ = false;
    TFieldKind fieldKind_ = fkData;
    TFieldType dataType_ = ftUnknown;
    int size_ = 0;
    int displayWidth_ = 0;
    TAlignment alignment_ = taLeftJustify;
    bool readOnly_ = false, required_ = false, visible_ = true;
    int column_ = -1;
    int calcSlot_ = -1;
    TFieldNotifyEvent onChange_, onValidate_;
    TFieldGetTextEvent onGetText_;
    TFieldSetTextEvent onSetText_;
};

class TStringField : public TField {
    SERVIORA_CLASS(TStringField, TField)
    SERVIORA_PUBLISHED
public:
    explicit TStringField(TComponent* owner) : TStringField(owner, ftString, 20) {}
    // Whether the text is translated between the storage's and the
    // program's character sets; one code page serves both here.
    bool Transliterate() const { return transliterate_; }
    void SetTransliterate(bool value) { transliterate_ = value; }

protected:
    TStringField(TComponent* owner, TFieldType type, int size) : TField(owner, type, size) {}

private:
    bool transliterate_ = true;
};

class TWideStringField : public TStringField {
    SERVIORA_CLASS(TWideStringField, TStringField)
public:
    explicit TWideStringField(TComponent* owner) : TStringField(owner, ftWideString, 20) {}
};

// Numbers: DisplayFormat and EditFormat are FormatFloat patterns. MinValue
// and MaxValue, when either is not 0, bound the values written.
class TNumericField : public TField {
    SERVIORA_CLASS(TNumericField, TField)
    SERVIORA_PUBLISHED
public:
    explicit TNumericField(TComponent* owner) : TNumericField(owner, ftUnknown) {}
    const AnsiString& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const AnsiString& value) { displayFormat_ = value; }
    const AnsiString& EditFormat() const { return editFormat_; }
    void SetEditFormat(const AnsiString& value) { editFormat_ = value; }
    bool IsValidChar(char c) const override;

protected:
    TNumericField(TComponent* owner, TFieldType type);
    // The format for the text asked for, or "" for the default text.
    const AnsiString& FormatFor(bool displayText) const;
    // Raises the range error unless `value` lies in min..max or both are 0.
    void CheckRange(double value, double min, double max) const;
    // Real values: the text of the value (as money with `currency` and no
    // format) and the value of a text.
    AnsiString RealText(bool displayText, bool currency, int precision) const;
    void SetRealText(const AnsiString& value);

private:
    AnsiString displayFormat_, editFormat_;
};

class TIntegerField : public TNumericField {
    SERVIORA_CLASS(TIntegerField, TNumericField)
    SERVIORA_PUBLISHED
public:
    explicit TIntegerField(TComponent* owner) : TIntegerField(owner, ftInteger) {}
    AnsiString AsString() const override;
    Integer AsInteger() const override;
    void SetAsInteger(Integer value) override;
    void SetAsString(const AnsiString& value) override;
    double AsFloat() const override { return AsInteger(); }
    void SetAsFloat(double value) override;
    Variant AsVariant() const override;
    Integer MaxValue() const { return maxValue_; }
    void SetMaxValue(Integer value) { maxValue_ = value; }
    Integer MinValue() const { return minValue_; }
    void SetMinValue(Integer value) { minValue_ = value; }

protected:
    TIntegerField(TComponent* owner, TFieldType type) : TNumericField(owner, type) {}
    AnsiString GetText(bool displayText) const override;
    int DefaultDisplayWidth() const override { return 11; }

private:
    Integer maxValue_ = 0, minValue_ = 0;
};

class TSmallintField : public TIntegerField {
    SERVIORA_CLASS(TSmallintField, TIntegerField)
public:
    explicit TSmallintField(TComponent* owner) : TIntegerField(owner, ftSmallint) {}
};

class TWordField : public TIntegerField {
    SERVIORA_CLASS(TWordField, TIntegerField)
public:
    explicit TWordField(TComponent* owner) : TIntegerField(owner, ftWord) {}
};

class TAutoIncField : public TIntegerField {
    SERVIORA_CLASS(TAutoIncField, TIntegerField)
public:
    explicit TAutoIncField(TComponent* owner) : TIntegerField(owner, ftAutoInc) {}
};

class TLargeintField : public TNumericField {
    SERVIORA_CLASS(TLargeintField, TNumericField)
public:
    explicit TLargeintField(TComponent* owner) : TNumericField(owner, ftLargeint) {}
    Int64 AsLargeInt() const;
    AnsiString AsString() const override;
    void SetAsLargeInt(Int64 value);
    Integer AsInteger() const override { return static_cast<Integer>(AsLargeInt()); }
    void SetAsInteger(Integer value) override { SetAsLargeInt(value); }
    double AsFloat() const override { return static_cast<double>(AsLargeInt()); }
    void SetAsString(const AnsiString& value) override;
    Variant AsVariant() const override;

protected:
    void SetAsLargeValue(Int64 value) override;
    AnsiString GetText(bool displayText) const override;
    int DefaultDisplayWidth() const override { return 15; }
};

class TFloatField : public TNumericField {
    SERVIORA_CLASS(TFloatField, TNumericField)
    SERVIORA_PUBLISHED
public:
    explicit TFloatField(TComponent* owner) : TFloatField(owner, ftFloat) {}
    AnsiString AsString() const override;
    double AsFloat() const override;
    void SetAsFloat(double value) override;
    Integer AsInteger() const override;
    void SetAsString(const AnsiString& value) override;
    Variant AsVariant() const override;

    // Shown as money (the locale's currency format) without DisplayFormat.
    bool Currency() const { return currency_; }
    void SetCurrency(bool value) { currency_ = value; }
    int Precision() const { return precision_; }
    void SetPrecision(int value) { precision_ = value < 2 ? 2 : (value > 15 ? 15 : value); }
    double MaxValue() const { return maxValue_; }
    void SetMaxValue(double value) { maxValue_ = value; }
    double MinValue() const { return minValue_; }
    void SetMinValue(double value) { minValue_ = value; }

protected:
    TFloatField(TComponent* owner, TFieldType type) : TNumericField(owner, type) {}
    AnsiString GetText(bool displayText) const override;

private:
    bool currency_ = false;
    int precision_ = 15;
    double maxValue_ = 0, minValue_ = 0;
};

class TCurrencyField : public TFloatField {
    SERVIORA_CLASS(TCurrencyField, TFloatField)
public:
    explicit TCurrencyField(TComponent* owner) : TFloatField(owner, ftCurrency) { SetCurrency(true); }
};

// Exact decimals: read and written as currency, Size decimal places.
class TBCDField : public TNumericField {
    SERVIORA_CLASS(TBCDField, TNumericField)
    SERVIORA_PUBLISHED
public:
    explicit TBCDField(TComponent* owner);
    AnsiString AsString() const override;
    double AsFloat() const override { return TField::AsFloat(); }
    void SetAsFloat(double value) override;
    Integer AsInteger() const override;
    void SetAsString(const AnsiString& value) override;
    Variant AsVariant() const override;

    bool Currency() const { return currency_; }
    void SetCurrency(bool value) { currency_ = value; }
    ::Currency MaxValue() const { return maxValue_; }
    void SetMaxValue(::Currency value) { maxValue_ = value; }
    ::Currency MinValue() const { return minValue_; }
    void SetMinValue(::Currency value) { minValue_ = value; }
    // The count of significant digits (the storage's precision).
    int Precision() const { return precision_; }
    void SetPrecision(int value) { precision_ = value; }

protected:
    AnsiString GetText(bool displayText) const override;

private:
    bool currency_ = false;
    ::Currency maxValue_, minValue_;
    int precision_ = 0;
};

class TBooleanField : public TField {
    SERVIORA_CLASS(TBooleanField, TField)
    SERVIORA_PUBLISHED
public:
    explicit TBooleanField(TComponent* owner);
    bool AsBoolean() const override;
    void SetAsBoolean(bool value) override;
    AnsiString AsString() const override;
    // Accepts the display words (case ignored, and any prefix of them).
    void SetAsString(const AnsiString& value) override;
    Integer AsInteger() const override { return AsBoolean() ? 1 : 0; }
    Variant AsVariant() const override;

    // "True;False" by default: the words for true and false.
    const AnsiString& DisplayValues() const { return displayValues_; }
    void SetDisplayValues(const AnsiString& value);

protected:
    AnsiString GetText(bool displayText) const override;
    int DefaultDisplayWidth() const override;

private:
    AnsiString displayValues_;
    AnsiString trueText_, falseText_;
};

// Dates as the database stores them (ISO text), read and written as
// TDateTime; DisplayFormat is a FormatDateTime pattern.
class TDateTimeField : public TField {
    SERVIORA_CLASS(TDateTimeField, TField)
    SERVIORA_PUBLISHED
public:
    explicit TDateTimeField(TComponent* owner) : TDateTimeField(owner, ftDateTime) {}
    AnsiString AsString() const override;
    TDateTime AsDateTime() const override;
    void SetAsDateTime(TDateTime value) override;
    double AsFloat() const override { return AsDateTime(); }
    void SetAsFloat(double value) override { SetAsDateTime(value); }
    void SetAsString(const AnsiString& value) override;
    Variant AsVariant() const override;
    const AnsiString& DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const AnsiString& value) { displayFormat_ = value; }

protected:
    TDateTimeField(TComponent* owner, TFieldType type);
    AnsiString GetText(bool displayText) const override;
    int DefaultDisplayWidth() const override { return 18; }

private:
    AnsiString displayFormat_;
};

class TDateField : public TDateTimeField {
    SERVIORA_CLASS(TDateField, TDateTimeField)
public:
    explicit TDateField(TComponent* owner) : TDateTimeField(owner, ftDate) {}

protected:
    int DefaultDisplayWidth() const override { return 10; }
};

class TTimeField : public TDateTimeField {
    SERVIORA_CLASS(TTimeField, TDateTimeField)
public:
    explicit TTimeField(TComponent* owner) : TDateTimeField(owner, ftTime) {}
};

// Fixed (TBytesField) and counted (TVarBytesField) binary values.
class TBinaryField : public TField {
    SERVIORA_CLASS(TBinaryField, TField)
public:
    explicit TBinaryField(TComponent* owner) : TBinaryField(owner, ftBytes, 16) {}

protected:
    TBinaryField(TComponent* owner, TFieldType type, int size) : TField(owner, type, size) {}
};

class TBytesField : public TBinaryField {
    SERVIORA_CLASS(TBytesField, TBinaryField)
public:
    explicit TBytesField(TComponent* owner) : TBinaryField(owner, ftBytes, 16) {}

protected:
    TBytesField(TComponent* owner, TFieldType type) : TBinaryField(owner, type, 16) {}
};

class TVarBytesField : public TBytesField {
    SERVIORA_CLASS(TVarBytesField, TBytesField)
public:
    explicit TVarBytesField(TComponent* owner) : TBytesField(owner, ftVarBytes) {}
};

class TBlobField : public TField {
    SERVIORA_CLASS(TBlobField, TField)
    SERVIORA_PUBLISHED
public:
    explicit TBlobField(TComponent* owner) : TBlobField(owner, ftBlob) {}
    bool IsBlob() const override { return true; }
    // ftBlob to ftTypedBinary; another type is ignored.
    TFieldType BlobType() const { return DataType(); }
    void SetBlobType(TFieldType value) { SetFieldType(value); }
    void SetFieldType(TFieldType value) override;
    bool Transliterate() const { return transliterate_; }
    void SetTransliterate(bool value) { transliterate_ = value; }

    // The bytes of the current record's value.
    int BlobSize() const;
    // Writing the value sets Modified; callers clear it when they have
    // taken the change.
    bool Modified() const { return modified_; }
    void SetModified(bool value) { modified_ = value; }
    void SetAsString(const AnsiString& value) override;
    // The whole value from and to a stream or a file, byte for byte.
    void LoadFromStream(TStream* stream);
    void SaveToStream(TStream* stream) const;
    void LoadFromFile(const AnsiString& fileName);
    void SaveToFile(const AnsiString& fileName) const;

protected:
    TBlobField(TComponent* owner, TFieldType type) : TField(owner, type, 0) {}
    // A string list takes the bytes as its text; other targets refuse.
    void AssignTo(TPersistent* dest) override;
    // "(BLOB)", "(MEMO)", "(GRAPHIC)": a grid shows a placeholder.
    AnsiString GetText(bool displayText) const override;

private:
    bool modified_ = false;
    bool transliterate_ = true;
};

class TMemoField : public TBlobField {
    SERVIORA_CLASS(TMemoField, TBlobField)
public:
    explicit TMemoField(TComponent* owner) : TBlobField(owner, ftMemo) {}
};

class TGraphicField : public TBlobField {
    SERVIORA_CLASS(TGraphicField, TBlobField)
public:
    explicit TGraphicField(TComponent* owner) : TBlobField(owner, ftGraphic) {}
};

// The field class for a column type (TStringField for the types without a
// class of their own).
using TFieldClass = const TComponent::MetaClassType*;
TFieldClass FieldClassOf(TFieldType type);

// A dataset's fields, in display order. Does not own them.
class TFields : public TObject {
    SERVIORA_CLASS(TFields, TObject)
public:
    explicit TFields(TDataSet* dataSet) : dataSet_(dataSet) {}
    int Count() const { return static_cast<int>(fields_.size()); }
    TField* Fields(int index) const;
    TField* operator[](int index) const { return Fields(index); }
    TField* FindField(const AnsiString& name) const;
    TField* FieldByName(const AnsiString& name) const;
    TField* FieldByNumber(int fieldNo) const;
    int IndexOf(const TField* field) const;
    void Add(TField* field);
    void Remove(TField* field);
    void Move(int from, int to);
    TDataSet* DataSet() const { return dataSet_; }

private:
    TDataSet* dataSet_;
    std::vector<TField*> fields_;
};

// The storage's description of one column, an item of its dataset's
// FieldDefs.
class TFieldDefs;

class TFieldDef : public TCollectionItem {
    SERVIORA_CLASS(TFieldDef, TCollectionItem)
    SERVIORA_PUBLISHED
public:
    explicit TFieldDef(TCollection* collection) : TCollectionItem(collection) {}
    // fieldNo 0 numbers the definition after the others of `owner`.
    TFieldDef(TFieldDefs* owner, const AnsiString& name, TFieldType type, int size, bool required, int fieldNo);
    void Assign(TPersistent* source) override;

    const AnsiString& Name() const { return name_; }
    void SetName(const AnsiString& value) { name_ = value; }
    TFieldType DataType() const { return dataType_; }
    void SetDataType(TFieldType value) { dataType_ = value; }
    int Size() const { return size_; }
    void SetSize(int value) { size_ = value; }
    int Precision() const { return precision_; }
    void SetPrecision(int value) { precision_ = value; }
    bool Required() const { return required_; }
    void SetRequired(bool value) { required_ = value; }
    int FieldNo() const { return fieldNo_; }
    // A column the dataset computes itself and keeps with the record.
    bool InternalCalcField() const { return internalCalcField_; }
    void SetInternalCalcField(bool value) { internalCalcField_ = value; }
    TFieldClass FieldClass() const { return FieldClassOf(dataType_); }
    // A field of this column's class, owned by `owner`, attached to `dataSet`.
    TField* CreateField(TComponent* owner, TDataSet* dataSet) const;

protected:
    AnsiString GetDisplayName() const override { return name_; }

private:
    AnsiString name_;
    TFieldType dataType_ = ftUnknown;
    int size_ = 0, precision_ = 0, fieldNo_ = 0;
    bool required_ = false, internalCalcField_ = false;
};

class TFieldDefs : public TOwnedCollection {
    SERVIORA_CLASS(TFieldDefs, TOwnedCollection)
public:
    explicit TFieldDefs(TDataSet* dataSet = nullptr);
    TDataSet* DataSet() const;
    TFieldDef* Items(int index) const { return static_cast<TFieldDef*>(TCollection::Items(index)); }
    TFieldDef* operator[](int index) const { return Items(index); }
    // EDatabaseError "Field 'X' not found" for an unknown name.
    TFieldDef* Find(const AnsiString& name) const;
    int IndexOf(const AnsiString& name) const;
    // fieldNo 0 numbers the definition after the last one.
    TFieldDef* Add(const AnsiString& name, TFieldType type, int size = 0, bool required = false, int fieldNo = 0);
    // Reads the definitions again from the dataset's storage.
    void Update();
};

// Splits a ";"-separated list of field names (blanks around names dropped).
std::vector<AnsiString> SplitFieldNames(const AnsiString& names);
