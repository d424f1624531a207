// Report objects made from the type code their records carry: 0 text,
// 1 picture, 2 sub-report, 4 calculated text, 6 shape, 7 outline, 50..66
// the bands, 100 an add-in class named in the stream. A class answers its
// code once its unit registers it with the class registry; other codes
// make nothing.
#pragma once

#include <memory>

#include "report/core/qm_common.h"

class TList;

constexpr Byte QmAddInTypeCode = 100;

// The new object, or nullptr for a code without a class. For code 100 the
// add-in whose class has that name (letter case ignored); EClassNotFound
// with the name and CR when there is none.
std::unique_ptr<TQmPersistent> CreateReportObject(Byte typeCode, const AnsiString& className);
// The same, but an unknown add-in also sets the flag and adds its name and
// CR to `unknownNames` before the exception, for the reader's message.
std::unique_ptr<TQmPersistent> CreateReportObjectForLoad(Byte typeCode, const AnsiString& className, bool& unknown,
                                                         AnsiString& unknownNames);
// The band of a band type 0..16 (report title .. child); nullptr otherwise.
std::unique_ptr<TQmPersistent> CreateBandByType(int bandType);
// Frees every object of the list and empties it; nothing for nullptr.
void FreeListObjects(TList* list);
