// TReader: builds components from a form description (text or binary form,
// told apart by the "TPF0" signature) and resolves references to
// components, also to those of other modules ("DM1.DataSource7") once the
// module holding them has been loaded.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/formtree.h"

class TCollection;
class TReader;

using TFindMethodEvent = TEvent<void(TReader* Reader, const AnsiString& MethodName, TMethod& Address, bool& Error)>;
using TFindComponentClassEvent =
    TEvent<void(TReader* Reader, const AnsiString& ClassName, TComponentClass& ComponentClass)>;
using TReaderError = TEvent<void(TReader* Reader, const AnsiString& Message, bool& Handled)>;

class TReader : public TFiler {
    SERVIORA_CLASS(TReader, TFiler)
public:
    // The whole remaining stream, or the bytes of a description.
    explicit TReader(TStream* stream);
    explicit TReader(std::string description);
    ~TReader() override;

    // Reads the root object into root (a form or data module reading its own
    // description), or into a new component of the described class owned by
    // nobody when root is nullptr. Sets properties, creates and names the
    // children, binds handlers, resolves references, then calls Loaded on
    // every component read.
    TComponent* ReadRootComponent(TComponent* root);

    // The properties and children of the current object into instance
    // (TComponent::ReadState calls it).
    void ReadData(TComponent* instance);

    // Values, for DefineProperty readers. Each reads the next value and
    // raises EReadError "Invalid property value" when it is of another kind.
    Int64 ReadInteger();
    Int64 ReadInt64() { return ReadInteger(); }
    bool ReadBoolean();
    double ReadFloat();
    AnsiString ReadString();
    WideString ReadWideString();
    AnsiString ReadIdent();
    void ReadListBegin();
    void ReadListEnd();
    bool EndOfList() const;
    // Items of a collection value into collection (cleared first).
    void ReadCollection(TCollection* collection);
    // The kind of the next value; EndOfList must be false.
    TFormValueKind NextValue() const;
    void SkipValue();

    void DefineProperty(const AnsiString& name, TReaderProc readData, TWriterProc writeData, bool hasData) override;
    void DefineBinaryProperty(const AnsiString& name, TStreamProc readData, TStreamProc writeData,
                              bool hasData) override;

    // The owner of the components being read, and the component whose
    // object encloses the current one.
    TComponent* Owner() const { return owner_; }
    TComponent* Parent() const { return parent_; }

    // Hooks: a handler by name (default: the root's published methods), a
    // component class by name (default: the class registry), and errors in
    // properties (Handled skips the property; otherwise EReadError).
    const TFindMethodEvent& OnFindMethod() const { return onFindMethod_; }
    void SetOnFindMethod(TFindMethodEvent handler) { onFindMethod_ = std::move(handler); }
    const TFindComponentClassEvent& OnFindComponentClass() const { return onFindComponentClass_; }
    void SetOnFindComponentClass(TFindComponentClassEvent handler) { onFindComponentClass_ = std::move(handler); }
    const TReaderError& OnError() const { return onError_; }
    void SetOnError(TReaderError handler) { onError_ = std::move(handler); }

    TMethod FindMethod(TComponent* root, const AnsiString& methodName);

private:
    struct Cursor {
        const std::vector<TFormValue>* values;
        std::size_t index;
    };

    void ReadObject(const TFormObject& object, TComponent* parent);
    TComponent* CreateComponent(const TFormObject& object);
    TComponentClass FindComponentClass(const std::string& className);
    void ReadProperties(TPersistent* instance, const std::vector<TFormProperty>& properties);
    void ReadProperty(TPersistent* instance, const TFormProperty& prop);
    void ReadPropValue(TPersistent* instance, PPropInfo prop, const TFormValue& value);
    bool ReadDefinedProperty(TPersistent* instance, const std::string& name, const TFormValue& value);
    const TFormValue& Next(TFormValueKind kind);
    const TFormValue& Current() const;
    [[noreturn]] void PropertyValueError() const;
    void Finish();

    std::string description_;
    const TFormObject* object_ = nullptr;
    TComponent* owner_ = nullptr;
    TComponent* parent_ = nullptr;
    std::vector<TComponent*> loaded_;
    std::vector<Cursor> cursors_;
    // The defined property being looked for while DefineProperties runs.
    const std::string* definedName_ = nullptr;
    const TFormValue* definedValue_ = nullptr;
    bool definedFound_ = false;
    TFindMethodEvent onFindMethod_;
    TFindComponentClassEvent onFindComponentClass_;
    TReaderError onError_;
};

// Names of integer values of a named integer type, so a description may
// write "Color = clBtnFace" for a property of type "TColor".
struct TIdentMapEntry {
    Int64 value;
    const char* name;
};
void RegisterIntegerConsts(const AnsiString& typeName, std::vector<TIdentMapEntry> map);
bool IdentToInt(const AnsiString& typeName, const AnsiString& ident, Int64& value);
bool IntToIdent(const AnsiString& typeName, Int64 value, AnsiString& ident);

// While loading is global (an inherited form read from several
// descriptions), readers hold Loaded back; EndGlobalLoading calls it once on
// every component read since BeginGlobalLoading. Scopes nest per thread.
void BeginGlobalLoading();
void EndGlobalLoading();
// Drops the held-back components without calling Loaded (after a failure).
void CancelGlobalLoading();

// Resolves the references still waiting for a module (called after every
// description read; a module created later resolves the rest).
void GlobalFixupReferences();
// Forgets the waiting references read into component or while reading the
// root component (TComponent does this as it goes away).
void RemoveFixupReferences(TComponent* component);
// A component by dotted path from base ("Panel1.Button1"), else nullptr.
TComponent* FindNestedComponent(TComponent* base, const AnsiString& path);
