// The published properties of the docks, toolbars and report widgets, read
// from a form description and written back: values reach the controls,
// defaults and the version text are not stored.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/writer.h"
#include "platform/ui/forms.h"
#include "report/ui/qm_ctrls_popup.h"
#include "report/ui/qm_ctrls_scroll.h"
#include "report/ui/qm_ctrls_spinedit.h"
#include "report/ui/qm_tbqyedit.h"
#include "report/ui/qm_tbqytlbr.h"

namespace {

const std::string kForm =
    "object F: TForm\n"
    "  object Dock: TDockQy\n"
    "    Position = dpBottom\n"
    "    BoundLines = [blTop, blLeft]\n"
    "    LimitToOneRow = True\n"
    "    Version = 'ignored'\n"
    "    object Bar: TToolbarQy\n"
    "      Caption = 'Tools'\n"
    "      DockRow = 1\n"
    "      DragHandleStyle = dhSingle\n"
    "      DockableTo = [dpTop, dpBottom]\n"
    "      FloatingMode = fmOnTopOfAllForms\n"
    "      HideWhenInactive = False\n"
    "      object Sep: TToolbarSepQy\n"
    "        Blank = True\n"
    "        SizeHorz = 9\n"
    "      end\n"
    "      object Edit: TEditQy\n"
    "        Text = '7'\n"
    "      end\n"
    "      object Drop: TQmPopupWindowButton\n"
    "        Opaque = False\n"
    "        Alignment = taLeftJustify\n"
    "      end\n"
    "    end\n"
    "  end\n"
    "  object Combo: TQmComboBoxQy\n"
    "    Flat = False\n"
    "  end\n"
    "  object Spin: TQmSpinEdit\n"
    "    ValueType = qmvtFloat\n"
    "    Increment = 0.5\n"
    "    MaxValue = 10\n"
    "    Value = 2.5\n"
    "  end\n"
    "  object Box: TQmScrollBox\n"
    "    HorzScrollBar.Max = 300\n"
    "    HorzScrollBar.ThumbValue = 4\n"
    "  end\n"
    "end\n";

TEST(PublishedProperties, AFormDescriptionReachesTheControlsAndWritesBackWithoutDefaults) {
    RegisterClasses({TDockQy::StaticClass(), TToolbarQy::StaticClass(), TToolbarSepQy::StaticClass(),
                     TEditQy::StaticClass(), TQmPopupWindowButton::StaticClass(), TQmComboBoxQy::StaticClass(),
                     TQmSpinEdit::StaticClass(), TQmScrollBox::StaticClass()});
    std::unique_ptr<TForm> form{TForm::Create(nullptr, 0)};
    ReadComponentFromString(kForm, form.get());
    auto* dock = static_cast<TDockQy*>(form->FindComponent("Dock"));
    auto* bar = static_cast<TToolbarQy*>(form->FindComponent("Bar"));
    auto* sep = static_cast<TToolbarSepQy*>(form->FindComponent("Sep"));
    auto* drop = static_cast<TQmPopupWindowButton*>(form->FindComponent("Drop"));
    auto* spin = static_cast<TQmSpinEdit*>(form->FindComponent("Spin"));
    auto* box = static_cast<TQmScrollBox*>(form->FindComponent("Box"));
    ASSERT_TRUE(dock && bar && sep && drop && spin && box);
    EXPECT_EQ(dock->Position(), dpBottom);
    EXPECT_TRUE(dock->BoundLines().Contains(blLeft));
    EXPECT_TRUE(dock->LimitToOneRow());
    EXPECT_EQ(bar->DockedTo(), dock);
    EXPECT_EQ(bar->DragHandleStyle(), dhSingle);
    EXPECT_FALSE(bar->DockableTo().Contains(dpLeft));
    EXPECT_EQ(bar->FloatingMode(), fmOnTopOfAllForms);
    EXPECT_FALSE(bar->HideWhenInactive());
    EXPECT_TRUE(sep->Blank());
    EXPECT_EQ(sep->SizeHorz(), 9);
    EXPECT_FALSE(drop->Opaque());
    EXPECT_EQ(drop->Alignment(), taLeftJustify);
    EXPECT_FALSE(static_cast<TQmComboBoxQy*>(form->FindComponent("Combo"))->Flat());
    EXPECT_EQ(spin->Increment(), 0.5);
    EXPECT_EQ(spin->Value(), 2.5);
    EXPECT_EQ(box->HorzScrollBar()->Max(), 300);
    EXPECT_EQ(box->HorzScrollBar()->ThumbValue(), 4);

    const std::string text = ComponentToText(form.get());
    for (const char* stored : {"Position = dpBottom", "SavedAtRunTime = True", "SizeHorz = 9", "Opaque = False",
                               "Increment = 0.5", "Value = 2.5", "HorzScrollBar.Max = 300"})
        EXPECT_NE(text.find(stored), std::string::npos) << stored;
    for (const char* notStored : {"Version", "SizeVert", "AllowDrag", "UseLastDock", "LastDock", "OnClose"})
        EXPECT_EQ(text.find(notStored), std::string::npos) << notStored;
    spin->SetIncrement(1);
    spin->SetValue(0);
    const std::string plain = ComponentToText(spin);
    EXPECT_EQ(plain.find("Increment"), std::string::npos);
    EXPECT_EQ(plain.find(" Value ="), std::string::npos);
}

}  // namespace
