// The modal-dialog responder of the tests.
#include "platform/ui/modalresponder.h"

#include <deque>

namespace {

struct Responder {
    bool active = false;
    std::deque<TModalAnswer> answers;
    std::vector<TModalQuestion> questions;
};

Responder& TheResponder() {
    static Responder responder;
    return responder;
}

}  // namespace

void StartModalResponder() {
    Responder& r = TheResponder();
    r.active = true;
    r.answers.clear();
    r.questions.clear();
}

void StopModalResponder() {
    Responder& r = TheResponder();
    r.active = false;
    r.answers.clear();
    r.questions.clear();
}

bool ModalResponderActive() { return TheResponder().active; }

void QueueModalAnswer(int result, const AnsiString& value) { TheResponder().answers.push_back({result, value}); }

const std::vector<TModalQuestion>& ModalQuestions() { return TheResponder().questions; }

bool AnswerModalQuestion(const TModalQuestion& question, TModalAnswer& answer) {
    Responder& r = TheResponder();
    if (!r.active) return false;
    r.questions.push_back(question);
    if (r.answers.empty()) {
        answer = {question.DefaultResult, question.Value};
    } else {
        answer = r.answers.front();
        r.answers.pop_front();
    }
    return true;
}
