// The worker thread that compresses one finished prepared page while the
// build goes on; it frees itself once its OnTerminate, run on the
// user-interface thread, has handed the result to the page.
#pragma once

#include "platform/rtl/thread.h"
#include "report/core/qm_zlibex.h"

class TQmCompressThread : public TThread {
public:
    // Created suspended; the caller sets OnTerminate and starts it.
    TQmCompressThread(TStream* source, TZCompressionLevel level, TStream* destination);

    // Whether Execute ended by raising (the destination is then unusable).
    bool Failed() const { return FatalException() != nullptr; }

protected:
    void Execute() override;

private:
    TStream* source_;
    TZCompressionLevel level_;
    TStream* destination_;
};
