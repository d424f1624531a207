// Moving the focus along an Enter chain.
#include "app/enterchain.h"

#include "platform/win/userinput.h"

bool MoveOnEnter(TObject* sender, Word& key, std::initializer_list<TWinControl*> chain) {
    if (key != VK_RETURN) return false;
    for (auto it = chain.begin(); it != chain.end() && it + 1 != chain.end(); ++it) {
        if (*it != sender) continue;
        it[1]->SetFocus();
        key = 0;
        return true;
    }
    return false;
}
