// The registration of platform/ui's classes for form descriptions.
#include "platform/rtl/classregistry.h"
#include "platform/ui/actnlist.h"
#include "platform/ui/buttons.h"
#include "platform/ui/comctrls_header.h"
#include "platform/ui/comctrls_listview.h"
#include "platform/ui/comctrls_range.h"
#include "platform/ui/comctrls_statusbar.h"
#include "platform/ui/comctrls_treeview.h"
#include "platform/ui/comctrls_updown.h"
#include "platform/ui/extctrls.h"
#include "platform/ui/extctrls_graphic.h"
#include "platform/ui/extctrls_splitter.h"
#include "platform/ui/filedialogs.h"
#include "platform/ui/forms.h"
#include "platform/ui/grids.h"
#include "platform/ui/guiplatform.h"
#include "platform/ui/imagelist.h"
#include "platform/ui/jpegimage.h"
#include "platform/ui/metafile.h"
#include "platform/ui/mask.h"
#include "platform/ui/menus.h"
#include "platform/ui/comctrls.h"
#include "platform/ui/stdctrls_buttons.h"
#include "platform/ui/stdctrls_combo.h"
#include "platform/ui/stdctrls_listbox.h"
#include "platform/ui/stdctrls_scrollbar.h"

void RegisterUiClasses() {
    RegisterClasses({TBitmap::StaticClass(), TIcon::StaticClass(), TPngImage::StaticClass(), TJPEGImage::StaticClass(),
                     TMetafile::StaticClass(), TImageList::StaticClass()});
    RegisterClasses({TForm::StaticClass(), TLabel::StaticClass(), TButton::StaticClass(), TPanel::StaticClass(),
                     TScrollBox::StaticClass(), TTimer::StaticClass(), TMainMenu::StaticClass(),
                     TPopupMenu::StaticClass(), TMenuItem::StaticClass(), TActionList::StaticClass(),
                     TAction::StaticClass()});
    RegisterClasses({TEdit::StaticClass(), TComboBox::StaticClass(), TCheckBox::StaticClass(),
                     TRadioButton::StaticClass(), TGroupBox::StaticClass(), TRadioGroup::StaticClass(),
                     TTabControl::StaticClass(), TPageControl::StaticClass(), TTabSheet::StaticClass(),
                     TOpenDialog::StaticClass(), TSaveDialog::StaticClass(), TScrollBar::StaticClass(),
                     TMonthCalendar::StaticClass(), TDateTimePicker::StaticClass(), TListBox::StaticClass(),
                     TListView::StaticClass(), TMemo::StaticClass(), TMaskEdit::StaticClass(),
                     THeaderControl::StaticClass(), TProgressBar::StaticClass(), TTrackBar::StaticClass(),
                     TUpDown::StaticClass()});
    RegisterClasses({TDrawGrid::StaticClass(), TStringGrid::StaticClass()});
    RegisterClasses({TImage::StaticClass(), TBevel::StaticClass(), TShape::StaticClass(), TPaintBox::StaticClass(),
                     TBitBtn::StaticClass(), TSpeedButton::StaticClass()});
    RegisterClasses({TStatusBar::StaticClass(), TTreeView::StaticClass(), TSplitter::StaticClass()});
}
