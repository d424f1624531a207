// The grid's answer to actions: its data source's dataset actions, and the
// standard edit actions carried out on the grid's selection.
#include "datagrid/DBGridVyn.h"
#include "datagrid/DBGridVynClipboard.h"
#include "datagrid/DBGridVynDataLink.h"
#include "datagrid/DBGridVynSelection.h"
#include "platform/ui/stdactns.h"

namespace {

// One edit command: which action class asks for it, the EditActions member
// that allows it, when it can run, and what it does.
struct GridEditCommand {
    bool (*asks)(TBasicAction* action);
    TDBGridVynEditAction member;
    bool (TCustomDBGridVyn::*possible)() const;
    void (*run)(TCustomDBGridVyn* grid);
};

template <class Action>
bool IsA(TBasicAction* action) {
    return dynamic_cast<Action*>(action) != nullptr;
}

// Tested in this order: the first class that matches decides.
const GridEditCommand kEditCommands[] = {
    {IsA<TEditCopy>, geaCopyVyn, &TCustomDBGridVyn::CanCopySelection,
     [](TCustomDBGridVyn* grid) { GridCopyAction(grid, false); }},
    {IsA<TEditPaste>, geaPasteVyn, &TCustomDBGridVyn::CanPasteFromClipboard,
     [](TCustomDBGridVyn* grid) { GridPasteAction(grid, false); }},
    {IsA<TEditCut>, geaCutVyn, &TCustomDBGridVyn::CanCutSelection,
     [](TCustomDBGridVyn* grid) { GridCutAction(grid, false); }},
    {IsA<TEditSelectAll>, geaSelectAllVyn, &TCustomDBGridVyn::CanSelectAll,
     [](TCustomDBGridVyn* grid) { grid->Selection()->MarkAll(); }},
    {IsA<TEditDelete>, geaDeleteVyn, &TCustomDBGridVyn::CanDeleteSelection,
     [](TCustomDBGridVyn* grid) { GridDeleteAction(grid, false); }},
};

// The command the focused grid allows for action, if any.
const GridEditCommand* AllowedCommand(const TCustomDBGridVyn* grid, TBasicAction* action) {
    if (!grid->Focused()) return nullptr;
    for (const GridEditCommand& command : kEditCommands)
        if (command.asks(action)) return grid->EditActions().Contains(command.member) ? &command : nullptr;
    return nullptr;
}

}  // namespace

bool TCustomDBGridVyn::ExecuteAction(TBasicAction* action) {
    if (dataLink_->ExecuteAction(action)) return true;
    const GridEditCommand* command = AllowedCommand(this, action);
    if (!command || !(this->*command->possible)()) return false;
    command->run(this);
    return true;
}

bool TCustomDBGridVyn::UpdateAction(TBasicAction* action) {
    if (dataLink_->UpdateAction(action)) return true;
    const GridEditCommand* command = AllowedCommand(this, action);
    auto* shown = dynamic_cast<TCustomAction*>(action);
    if (!command || !shown) return false;
    shown->SetEnabled((this->*command->possible)());
    return true;
}
