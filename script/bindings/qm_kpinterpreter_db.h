// The script binding of the Db unit: datasets, fields, definitions, data
// sources and links, their constants and their seven event types.
#pragma once

#include "platform/data/dataset.h"
#include "platform/data/datasource.h"
#include "script/qm_kpinterpreter_event.h"

class TKpInterpreterAdapter;

// Calls the script procedure bound to a field, data-source or dataset
// event; the text, the action and the acceptance come back from its
// arguments.
class TKpInterpreterDbEvent : public TKpInterpreterEvent {
    SERVIORA_CLASS(TKpInterpreterDbEvent, TKpInterpreterEvent)
public:
    using TKpInterpreterEvent::TKpInterpreterEvent;

    void FieldNotifyEvent(TField* Sender);
    void FieldGetTextEvent(TField* Sender, AnsiString& Text, bool DisplayText);
    void FieldSetTextEvent(TField* Sender, const AnsiString& Text);
    void DataChangeEvent(TObject* Sender, TField* Field);
    void DataSetNotifyEvent(TDataSet* DataSet);
    void DataSetErrorEvent(TDataSet* DataSet, EDatabaseError* E, TDataAction& Action);
    void FilterRecordEvent(TDataSet* DataSet, bool& Accept);
};

// Registers the unit "Db" on the registry; the report engine calls it at
// start-up on the global registry, in its fixed order of units.
void RegisterDbBindings(TKpInterpreterAdapter& adapter);
