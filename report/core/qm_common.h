// Qm_Common: the bases of the report engine — TQmPersistent (report objects
// and pages: a name, script event bindings, property access by dotted
// path), TQmComponent and TQmCustomReport (components placed on forms),
// TQmCustomView, the preview options and abstract preview panel — and the
// process-wide registries of export filters, function libraries and add-in
// report objects.
#pragma once

#include <memory>
#include <vector>

#include "platform/rtl/component.h"
#include "platform/rtl/stringlist.h"
#include "platform/rtl/variant.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/graphics.h"
#include "report/core/qm_parser.h"

SERVIORA_ENUM(TQmUnitType, qmutScreenPixels, qmutInches, qmutMillimeters, qmutMMThousandths)

class TStream;
class TQmParser;
class TKpInterpreterEvent;
class TKpInterpreterUnit;

// The script handlers installed on report objects and pages; whoever asks
// for them keeps them as long as the events may fire.
using TQmEventHandlers = std::vector<std::unique_ptr<TKpInterpreterEvent>>;

// The engine's registry key, below which the preview keeps its window
// placement and dialog settings: "Software\Ostrevane\Tamber Quistor".
extern AnsiString QmRegRootKey;

// The base of report objects and pages.
class TQmPersistent : public TPersistent {
    SERVIORA_HIERARCHY(TQmPersistent, TPersistent)
public:
    TQmPersistent() = default;
    ~TQmPersistent() override;

    const AnsiString& Name() const { return name_; }
    // The setter of every published Name of the descendants.
    virtual void SetName(const AnsiString& value) { name_ = value; }
    // Reads the published property a dotted path ("Font.Name") reaches from
    // `object`; False when a part of the path names no object or the last
    // part no readable property. The arguments serve descendants.
    virtual bool GetPropValue(TObject* object, const AnsiString& path, Variant& value,
                              const std::vector<Variant>& arguments);
    // Changes nothing here and answers False; descendants override.
    virtual bool SetPropValue(TObject* object, const AnsiString& name, const Variant& value);

    // Event property name -> script procedure name; made on first use.
    TQmVariables* GetEventBindings();
    // The binding block of object and page records: a 16-bit count, then
    // name and value text per pair. Loading adds to the list (an equal name
    // takes the new value); an object that never had a list saves count 0.
    void LoadEventBindings(TStream* stream);
    void SaveEventBindings(TStream* stream);
    // Puts a handler calling the bound script procedure of unit "Report"
    // into each bound event property and adds it to `handlers`. A binding
    // whose procedure or property is missing, or whose event type no
    // registry knows, is skipped.
    void InstallEventHandlers(TQmEventHandlers& handlers, TKpInterpreterUnit* interpreter);

private:
    std::unique_ptr<TQmVariables> eventBindings_;
    AnsiString name_;
};
using TQmPersistentClass = const TQmPersistent::MetaClassType*;

// The abstract report object.
class TQmCustomView : public TQmPersistent {
    SERVIORA_CLASS(TQmCustomView, TQmPersistent)
public:
    virtual bool IsInsertable() const { return true; }
    virtual void GetDefaultSize(int& width, int& height) const;
};

class TQmComponent : public TComponent {
    SERVIORA_CLASS(TQmComponent, TComponent)
public:
    using TComponent::TComponent;

    // Script access to the component's own properties; nothing here.
    virtual bool GetPropValue(TObject* object, const AnsiString& name, Variant& value,
                              const std::vector<Variant>& arguments);
    virtual bool SetPropValue(TObject* object, const AnsiString& name, const Variant& value);
};

class TQmCustomReport : public TQmComponent {
    SERVIORA_CLASS(TQmCustomReport, TQmComponent)
public:
    using TQmComponent::TQmComponent;

    // The stop flag the report's long loops test.
    bool Terminated() const { return terminated_; }
    void SetTerminated(bool v) { terminated_ = v; }

private:
    bool terminated_ = false;
};

// Ruler and page-border settings copied into each new preview window.
class TQmPreviewOptions : public TPersistent {
    SERVIORA_CLASS(TQmPreviewOptions, TPersistent)
    SERVIORA_PUBLISHED
public:
    TQmPreviewOptions();
    ~TQmPreviewOptions() override;

    void Assign(TPersistent* source) override;

    TQmUnitType RulerUnit() const { return rulerUnit_; }
    void SetRulerUnit(TQmUnitType v) { rulerUnit_ = v; }
    bool RulerVisible() const { return rulerVisible_; }
    void SetRulerVisible(bool v) { rulerVisible_ = v; }
    bool DrawBorder() const { return drawBorder_; }
    void SetDrawBorder(bool v) { drawBorder_ = v; }
    // Owned; the setter copies the given pen's attributes.
    TPen* BorderPen() const { return borderPen_.get(); }
    void SetBorderPen(TPen* v) { borderPen_->Assign(v); }

private:
    TQmUnitType rulerUnit_ = qmutScreenPixels;
    bool rulerVisible_ = false;
    bool drawBorder_ = false;
    std::unique_ptr<TPen> borderPen_;
};

// A panel that shows a report's prepared pages in place of the report's
// own preview window; the preview library implements it.
class TQmCustomPreview : public TPanel {
    SERVIORA_CLASS(TQmCustomPreview, TPanel)
    SERVIORA_PUBLISHED
public:
    explicit TQmCustomPreview(TComponent* owner);
    ~TQmCustomPreview() override;

    // Owned; the setter copies the given options.
    TQmPreviewOptions* Options() const { return options_.get(); }
    void SetOptions(TQmPreviewOptions* v) { options_->Assign(v); }

    // Shows the report's prepared pages here (fires the panel's
    // before-show event, then Connect).
    virtual void ShowReport(TQmCustomReport* report) = 0;
    // Binds the panel to the report and applies Options.
    virtual void Connect(TQmCustomReport* report) = 0;
    // Prints the connected report through the print dialog.
    virtual void Print() = 0;
    // Forgets the report (its description copied back first).
    virtual void Disconnect() = 0;

private:
    std::unique_ptr<TQmPreviewOptions> options_;
};

// The type under which export filters register; TQmExportFilter adds the
// export operations.
class TQmCustomExportFilter : public TComponent {
    SERVIORA_CLASS(TQmCustomExportFilter, TComponent)
public:
    using TComponent::TComponent;
};

// Walks the dotted prefix of `path` from `object` through published object
// properties; `object` ends at the last object and `path` holds the last
// property name. False (and the walk stops) when a part names no object
// property or the object it holds is nil.
bool ResolvePropPath(TObject*& object, AnsiString& path);
// A published property by name (letter case ignored) as a Variant by its
// type kind: ordinals as integers, objects as their address, floats,
// strings, events as their type's name, wide strings, Variants, Int64.
// False for an unknown name or another kind.
bool ReadPublishedProp(TObject* object, const AnsiString& name, Variant& value);
// Stores a Variant into a writable published property: numbers truncated
// toward zero into ordinals, an enumerator by name or a Boolean into an
// enumeration, a bit mask or "[a,b]" text into a set. False for an unknown
// or read-only name, an object or an event. Unsuitable values raise the
// platform's conversion errors.
bool WritePublishedProp(TObject* object, const AnsiString& name, const Variant& value);

// One registered export filter.
class TQmExportFilterInfo : public TObject {
    SERVIORA_CLASS(TQmExportFilterInfo, TObject)
public:
    TQmExportFilterInfo(TQmCustomExportFilter* filter, AnsiString desc, AnsiString ext)
        : Filter(filter), FilterDesc(std::move(desc)), FilterExt(std::move(ext)) {}

    TQmCustomExportFilter* Filter;  // not owned
    AnsiString FilterDesc;          // "Excel 文件 (*.xls)"
    AnsiString FilterExt;           // "*.xls"
};

// Registers the filter's class once (by exact class name); the first
// instance's record stays.
void RegisterExportFilter(TQmCustomExportFilter* filter, const AnsiString& filterDesc, const AnsiString& filterExt);
// Removes the record of the filter's class, whichever instance asks.
void UnregisterExportFilter(TQmCustomExportFilter* filter);
// -1 before the first registration.
int GetExportFilterCount();
// The caller keeps index within 0..count-1.
TQmExportFilterInfo* GetExportFilterInfo(int index);

// How a function appears to report designers.
struct TQmFunctionDesc {
    AnsiString Name;         // "FormatDateTime"
    AnsiString Category;
    AnsiString Description;
    AnsiString ArgKinds;     // one letter per argument: N, S, D, B, V, E
};

// The base of the libraries of functions report expressions call by name.
class TQmCustomFunctionLibrary : public TObject {
    SERVIORA_HIERARCHY(TQmCustomFunctionLibrary, TObject)
public:
    TQmCustomFunctionLibrary();
    ~TQmCustomFunctionLibrary() override;

    const std::vector<TQmFunctionDesc>& FunctionDescs() const { return functionDescs_; }
    // The upper-case names the library answers; a name's index is its
    // function number.
    TStringList* FunctionNames() const { return functionNames_.get(); }

    // Computes the function when the library knows the name (letter case
    // ignored) and answers whether it did.
    virtual bool HandleFunction(TQmParser* parser, const AnsiString& name, const std::vector<Variant>& arguments,
                                Variant& value);
    virtual void DoFunction(TQmParser* parser, int functionNumber, const std::vector<Variant>& arguments,
                            Variant& value) = 0;

    void AddFunctionDesc(const AnsiString& name, const AnsiString& category, const AnsiString& description,
                         const AnsiString& argKinds);
    void ClearFunctionDescs() { functionDescs_.clear(); }

private:
    std::vector<TQmFunctionDesc> functionDescs_;
    std::unique_ptr<TStringList> functionNames_;
};
using TQmFunctionLibraryClass = const TQmCustomFunctionLibrary::MetaClassType*;

class TQmFunctionLibrary : public TQmCustomFunctionLibrary {
    SERVIORA_CLASS(TQmFunctionLibrary, TQmCustomFunctionLibrary)
};

// Creates one instance of the class unless one of that class name is
// registered.
void RegisterFunctionLibrary(TQmFunctionLibraryClass libraryClass);
void UnregisterFunctionLibrary(TQmFunctionLibraryClass libraryClass);
// 0 before the first registration.
int GetFunctionLibraryCount();
// nullptr outside 0..count-1.
TQmCustomFunctionLibrary* GetFunctionLibrary(int index);

// An add-in report object class, which templates name by class name.
class TQmAddInObjectInfo : public TObject {
    SERVIORA_CLASS(TQmAddInObjectInfo, TObject)
public:
    explicit TQmAddInObjectInfo(TQmPersistentClass classRef) : ClassRef(classRef) {}
    TQmPersistentClass ClassRef;
};

// Adds a class to the add-in registry (once per class name).
void RegisterAddInObject(TQmPersistentClass classRef);
// -1 while no add-in was registered.
int GetAddInCount();
TQmAddInObjectInfo* GetAddInInfo(int index);
