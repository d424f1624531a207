// The send-to-factory window: the waiting orders with their ticks, and the
// batch that sends the ticked ones.
#include "app/fanchangfrm.h"

#include <vector>

#include "app/dm1frm.h"
#include "app/factorysend.h"
#include "app/login.h"
#include "platform/rtl/classregistry.h"

SERVIORA_REGISTER_CLASS(Tfanchang);

void Tfanchang::FormCreate(TObject*) {
    SetLeft(0);
    SetTop(0);
}

// The list is read once per showing; sending closes the window.
void Tfanchang::FormShow(TObject*) {
    Edit1->Clear();
    ListView1->Items()->Clear();
    for (const TFactoryQueueRow& row : ReadFactoryQueue(*DM1)) {
        TListItem* item = ListView1->Items()->Add();
        item->SetCaption(row.Number);
        for (const AnsiString& text : row.SubItems) item->SubItems()->Add(text);
    }
}

void Tfanchang::FormClose(TObject*, TCloseAction& Action) { Action = caFree; }

void Tfanchang::TickAll(bool ticked) {
    for (int i = 0; i < ListView1->Items()->Count(); ++i) ListView1->Items()->Item(i)->SetChecked(ticked);
}

void Tfanchang::Button1Click(TObject*) { TickAll(true); }

void Tfanchang::Button2Click(TObject*) { TickAll(false); }

// A failed batch leaves the window open with its ticks.
void Tfanchang::BitBtn1Click(TObject*) {
    TListItems* items = ListView1->Items();
    if (items->Count() == 0) return;
    std::vector<AnsiString> ticked;
    for (int i = 0; i < items->Count(); ++i)
        if (items->Item(i)->Checked()) ticked.push_back(items->Item(i)->Caption());
    if (SendToFactory(*DM1, ticked, Edit1->Text(), loginform->CurrentOperatorId)) Close();
}

void Tfanchang::BitBtn2Click(TObject*) { Close(); }

void Tfanchang::Published(TPublished<Tfanchang>& p) {
    p.Field("GroupBox3", &Tfanchang::GroupBox3);
    p.Field("ListView1", &Tfanchang::ListView1);
    p.Field("Button1", &Tfanchang::Button1);
    p.Field("Button2", &Tfanchang::Button2);
    p.Field("Label1", &Tfanchang::Label1);
    p.Field("Edit1", &Tfanchang::Edit1);
    p.Field("BitBtn1", &Tfanchang::BitBtn1);
    p.Field("BitBtn2", &Tfanchang::BitBtn2);
    p.Method("FormCreate", &Tfanchang::FormCreate);
    p.Method("FormShow", &Tfanchang::FormShow);
    p.Method("FormClose", &Tfanchang::FormClose);
    p.Method("Button1Click", &Tfanchang::Button1Click);
    p.Method("Button2Click", &Tfanchang::Button2Click);
    p.Method("BitBtn1Click", &Tfanchang::BitBtn1Click);
    p.Method("BitBtn2Click", &Tfanchang::BitBtn2Click);
}
