// The order of a toolbar's controls: one item per control (at most once),
// stored in the form as "ToolbarControls", a list of component names that
// is resolved against the toolbar's children once the form has loaded.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/rtl/reader.h"
#include "platform/rtl/writer.h"
#include "platform/ui/controls.h"

// One listed control and its name.
class TVxToolbarControl : public TObject {
    SERVIORA_CLASS(TVxToolbarControl, TObject)
public:
    TVxToolbarControl(TControl* control, AnsiString name) : control_(control), name_(std::move(name)) {}
    TControl* Control() const { return control_; }
    const AnsiString& Name() const { return name_; }
    // The elements of a stored item beyond the name; an item of this kind
    // has none.
    virtual void CopyExtra(const TVxToolbarControl&) {}

private:
    TControl* control_;
    AnsiString name_;
};

class TVxToolbarControlList {
public:
    // `listable` tells the toolbar's own children (its chevron) apart.
    TVxToolbarControlList(TWinControl* toolbar, std::function<bool(const TControl*)> listable)
        : toolbar_(toolbar), listable_(std::move(listable)) {}
    virtual ~TVxToolbarControlList() = default;

    int Count() const { return int(items_.size()); }
    TControl* Controls(int index) const { return items_[index]->Control(); }
    int FindControl(const TControl* control) const;
    // Names compare without regard to case.
    int FindName(const AnsiString& name) const;
    // The control's index, appended when it is not listed yet.
    int AppendControl(TControl* control);
    // While loading: the name joins the stored order.
    int AppendName(const AnsiString& name);
    // Remove the item; -1 when it was not listed.
    int DropControl(const TControl* control);
    int DropName(const AnsiString& name);
    // Moves a listed control to `index`.
    void Move(const TControl* control, int index);

    void ReadItems(TReader* reader);
    void WriteItems(TWriter* writer) const;
    // The stored names become the owner's controls of those names that sit
    // on the toolbar; a name whose control moved elsewhere is dropped, and
    // then the toolbar's unlisted children follow in child order.
    void ResolveNames(TComponent* owner);

protected:
    virtual void ReadItem(TReader* reader);
    virtual void WriteItem(TWriter* writer, const TVxToolbarControl& item) const;
    virtual std::unique_ptr<TVxToolbarControl> NewItem(TControl* control, const AnsiString& name) const;

private:
    void AppendUnlistedChildren();

    TWinControl* toolbar_;
    std::function<bool(const TControl*)> listable_;
    std::vector<std::unique_ptr<TVxToolbarControl>> items_;
    // The names read from the form, until they are resolved.
    std::optional<std::vector<std::unique_ptr<TVxToolbarControl>>> stored_;
};
