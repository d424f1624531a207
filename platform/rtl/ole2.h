// The OLE library's start and end for the calling program: counted, as the
// platform counts them, so every start is paired with an end; and the
// result codes OLE calls answer.
#pragma once

#include <cstdint>

using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_UNEXPECTED = HRESULT(0x8000FFFF);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr HRESULT STG_E_PATHNOTFOUND = HRESULT(0x80030003u);
constexpr HRESULT STG_E_ACCESSDENIED = HRESULT(0x80030005u);
constexpr HRESULT STG_E_WRITEFAULT = HRESULT(0x8003001Du);
constexpr HRESULT STG_E_FILEALREADYEXISTS = HRESULT(0x80030050u);
constexpr HRESULT STG_E_MEDIUMFULL = HRESULT(0x80030070u);
constexpr HRESULT STG_E_INVALIDNAME = HRESULT(0x800300FCu);
constexpr HRESULT STG_E_INVALIDFLAG = HRESULT(0x800300FFu);

inline bool FAILED(HRESULT result) { return result < 0; }
inline bool SUCCEEDED(HRESULT result) { return result >= 0; }

// S_OK for the first start, S_FALSE for each further one.
HRESULT OleInitialize(void* reserved);
// Ends one start; the library stops with the last.
void OleUninitialize();
// Whether a start is in force.
bool OleInitialized();
