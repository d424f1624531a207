// A data object offering one CF_HDROP block exactly as given, for the tests
// of files dragged out of the program and of malformed dropped file lists.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "platform/ui/oledragdrop.h"

class TFilesDataObject : public TInterfacedObject, public IDataObject {
public:
    explicit TFilesDataObject(std::string block) : block_(std::move(block)) {}
    HRESULT GetData(const FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = GlobalAlloc(GMEM_MOVEABLE, block_.size());
        std::memcpy(GlobalLock(medium->hGlobal), block_.data(), block_.size());
        GlobalUnlock(medium->hGlobal);
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC* format) override {
        return format->cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    HRESULT SetData(const FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(DWORD, std::shared_ptr<IEnumFORMATETC>& formats) override {
        formats = std::make_shared<TOneFormat>();
        return S_OK;
    }
    HRESULT DAdvise(const FORMATETC*, DWORD, std::shared_ptr<IInterface>, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT EnumDAdvise(std::shared_ptr<IInterface>&) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    class TOneFormat : public TInterfacedObject, public IEnumFORMATETC {
    public:
        HRESULT Next(ULONG, FORMATETC* formats, ULONG* fetched) override {
            const bool first = !given_;
            given_ = true;
            if (first) formats[0] = FORMATETC{CF_HDROP};
            if (fetched) *fetched = first;
            return first ? S_OK : S_FALSE;
        }
        HRESULT Skip(ULONG) override { return S_FALSE; }
        HRESULT Reset() override {
            given_ = false;
            return S_OK;
        }
        HRESULT Clone(std::shared_ptr<IEnumFORMATETC>&) override { return E_NOTIMPL; }

    private:
        bool given_ = false;
    };
    std::string block_;
};
