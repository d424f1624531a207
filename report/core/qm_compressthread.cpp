// The page compression thread.
#include "report/core/qm_compressthread.h"

TQmCompressThread::TQmCompressThread(TStream* source, TZCompressionLevel level, TStream* destination)
    : TThread(true), source_(source), level_(level), destination_(destination) {
    SetFreeOnTerminate(true);
    SetPriority(tpHigher);
}

void TQmCompressThread::Execute() { CompressStream(source_, destination_, level_); }
