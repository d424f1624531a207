// The test seam for modal dialogs: while the responder runs, every message
// box, input box and other modal dialog of the libraries is built as usual,
// recorded (what it asked) and answered in order from the queued answers
// instead of waiting for the user. Without a queued answer a dialog takes
// its default button. The program itself never starts the responder.
#pragma once

#include <vector>

#include "platform/ui/messages.h"

// What a dialog asked.
struct TModalQuestion {
    AnsiString Kind;       // "MessageBox", "MessageDlg", "InputQuery", or a dialog's own kind
    AnsiString ClassName;  // the dialog window's class name ("#32770", "TMessageForm", ...)
    AnsiString Caption;
    AnsiString Text;       // the message, or the prompt
    std::vector<AnsiString> Buttons;  // captions in order
    UINT Flags = 0;                   // MB_ flags of a message box
    int DefaultResult = 0;            // what the default button answers
    AnsiString Value;                 // an input box's initial value
};

struct TModalAnswer {
    int Result = 0;    // the button's result code (IDOK, mrYes, ...)
    AnsiString Value;  // an input box's text
};

void StartModalResponder();
// Stops answering and forgets the questions and answers.
void StopModalResponder();
bool ModalResponderActive();
void QueueModalAnswer(int result, const AnsiString& value = AnsiString());
const std::vector<TModalQuestion>& ModalQuestions();

// Called by the dialogs before they run their loop: records the question
// and answers it. False when the responder is not running.
bool AnswerModalQuestion(const TModalQuestion& question, TModalAnswer& answer);

// Scope helper for tests.
class ModalResponderScope {
public:
    ModalResponderScope() { StartModalResponder(); }
    ~ModalResponderScope() { StopModalResponder(); }
    ModalResponderScope(const ModalResponderScope&) = delete;
    ModalResponderScope& operator=(const ModalResponderScope&) = delete;
};
