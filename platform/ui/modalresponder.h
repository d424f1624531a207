// The modal responder: a test seam that answers message boxes, input boxes,
// file dialogs and other modal dialogs in order, recording what was asked.
// Each modal dialog of the platform asks it first; while it holds no
// answers, the dialog runs for real.
#pragma once

#include <deque>
#include <vector>

#include "platform/rtl/types.h"

struct ModalQuestion {
    AnsiString kind;     // "MessageBox", "InputBox", "OpenDialog", ... as the dialog names itself
    AnsiString caption;
    AnsiString text;
    unsigned int flags = 0;  // the dialog's own flags (MB_ buttons and icon, ...)
    AnsiString className{};           // the dialog window's class ("#32770", "TMessageForm", ...)
    std::vector<AnsiString> buttons{};  // the button captions, in order
};

struct ModalAnswer {
    int result = 0;      // the button or modal result
    AnsiString text{};   // the text entered or the file chosen
};

// Queues an answer for the next modal dialog.
void PushModalAnswer(ModalAnswer answer);
// For dialogs: records the question and takes the next answer. False (and
// nothing recorded) when no answer waits, so the dialog runs for real.
bool TakeModalAnswer(const ModalQuestion& question, ModalAnswer* answer);
// What was asked so far, oldest first.
const std::vector<ModalQuestion>& ModalQuestions();
// Forgets the questions and the answers not taken.
void ResetModalResponder();
bool ModalAnswersWaiting();
