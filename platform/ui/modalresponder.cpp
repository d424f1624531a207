// The modal responder's queue of answers and record of questions.
#include "platform/ui/modalresponder.h"

namespace {

struct Responder {
    std::deque<ModalAnswer> answers;
    std::vector<ModalQuestion> questions;
};

Responder& TheResponder() {
    static Responder responder;
    return responder;
}

}  // namespace

void PushModalAnswer(ModalAnswer answer) { TheResponder().answers.push_back(std::move(answer)); }

bool TakeModalAnswer(const ModalQuestion& question, ModalAnswer* answer) {
    auto& r = TheResponder();
    if (r.answers.empty()) return false;
    r.questions.push_back(question);
    if (answer) *answer = r.answers.front();
    r.answers.pop_front();
    return true;
}

const std::vector<ModalQuestion>& ModalQuestions() { return TheResponder().questions; }

void ResetModalResponder() {
    TheResponder().answers.clear();
    TheResponder().questions.clear();
}

bool ModalAnswersWaiting() { return !TheResponder().answers.empty(); }
