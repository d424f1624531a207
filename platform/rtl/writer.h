// TWriter: the form description of a component and what it owns, as text
// or in the binary form format. Writes what a reader needs to rebuild the
// components: stored properties that differ from their defaults, defined
// properties, references by name, handlers by name, nested owned objects
// ("Font.Name") and collections.
#pragma once

#include <string>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/formtree.h"

class TCollection;

class TWriter : public TFiler {
    SERVIORA_CLASS(TWriter, TFiler)
public:
    TWriter();
    ~TWriter() override;

    // Describes root, its properties and (through GetChildren) its children.
    void WriteRootComponent(TComponent* root);
    const TFormObject& Description() const { return result_; }
    std::string Text() const { return FormatFormText(result_); }
    std::string Binary() const { return FormatFormBinary(result_); }

    // The properties and children of instance into the current object
    // (TComponent::WriteState calls it).
    void WriteData(TComponent* instance);

    // Values, for DefineProperty writers.
    void WriteInteger(Int64 value);
    void WriteBoolean(bool value);
    void WriteFloat(double value);
    void WriteString(const AnsiString& value);
    void WriteWideString(const WideString& value);
    void WriteIdent(const AnsiString& ident);
    void WriteListBegin();
    void WriteListEnd();
    void WriteCollection(TCollection* collection);

    void DefineProperty(const AnsiString& name, TReaderProc readData, TWriterProc writeData, bool hasData) override;
    void DefineBinaryProperty(const AnsiString& name, TStreamProc readData, TStreamProc writeData,
                              bool hasData) override;

private:
    void WriteComponent(TComponent* component);
    void WriteProperties(TPersistent* instance, const std::string& prefix);
    void WriteProperty(TPersistent* instance, PPropInfo prop, const std::string& prefix);
    void AddProperty(std::string name, TFormValue value);
    void AddValue(TFormValue value);
    TFormValue CollectionValue(TCollection* collection);
    std::string ReferenceName(TComponent* component) const;

    TFormObject result_;
    TFormObject* object_ = nullptr;
    std::vector<TFormProperty>* properties_ = nullptr;
    std::string prefix_;
    // Values written by a DefineProperty writer; the innermost open list last.
    std::vector<std::vector<TFormValue>> values_;
};

// Conveniences over TReader and TWriter.
std::string ComponentToText(TComponent* root);
std::string ComponentToBinary(TComponent* root);
// Reads a description (text or binary) into root, or creates the described
// root when root is nullptr.
TComponent* ReadComponentFromString(const std::string& description, TComponent* root);
