// The type-code table of report objects and the add-in look-up.
#include "report/core/qm_factory.h"

#include <array>
#include <map>

#include "platform/rtl/classregistry.h"
#include "platform/rtl/list.h"
#include "platform/rtl/sysutils.h"

namespace {

const std::map<Byte, const char*>& TypeCodeClasses() {
    static const std::map<Byte, const char*> classes = {
        {0, "TQmMemoView"},         {1, "TQmPictureView"},        {2, "TQmSubReportView"},
        {4, "TQmCalcMemoView"},     {6, "TQmShapeView"},          {7, "TQmOutlineView"},
        {50, "TQmBandReportTitle"}, {51, "TQmBandReportSummary"}, {52, "TQmBandPageHeader"},
        {53, "TQmBandPageFooter"},  {54, "TQmBandColumnHeader"},  {55, "TQmBandColumnFooter"},
        {56, "TQmBandHeader"},      {57, "TQmBandFooter"},        {58, "TQmBandGroupHeader"},
        {59, "TQmBandGroupFooter"}, {60, "TQmBandMasterData"},    {61, "TQmBandDetailData"},
        {62, "TQmBandChild"},       {63, "TQmBandCrossHeader"},   {64, "TQmBandCrossData"},
        {65, "TQmBandCrossFooter"}, {66, "TQmBandOverlay"}};
    return classes;
}

// Band types 0..16 as type codes.
constexpr std::array<Byte, 17> kBandTypeCodes = {50, 51, 52, 53, 56, 57, 60, 61, 66, 54, 55, 58, 59, 63, 64, 65, 62};

std::unique_ptr<TQmPersistent> Instance(TQmPersistentClass cls) { return std::unique_ptr<TQmPersistent>(cls->Create()); }

}  // namespace

std::unique_ptr<TQmPersistent> CreateReportObject(Byte typeCode, const AnsiString& className) {
    if (typeCode == QmAddInTypeCode) {
        for (int i = 0; i < GetAddInCount(); ++i)
            if (AnsiSameText(GetAddInInfo(i)->ClassRef->ClassName(), className))
                return Instance(GetAddInInfo(i)->ClassRef);
        throw EClassNotFound(className + "\r");
    }
    const auto entry = TypeCodeClasses().find(typeCode);
    if (entry == TypeCodeClasses().end()) return nullptr;
    const auto* cls = dynamic_cast<TQmPersistentClass>(GetClass(entry->second));
    return cls ? Instance(cls) : nullptr;
}

std::unique_ptr<TQmPersistent> CreateReportObjectForLoad(Byte typeCode, const AnsiString& className, bool& unknown,
                                                         AnsiString& unknownNames) {
    try {
        return CreateReportObject(typeCode, className);
    } catch (const EClassNotFound&) {
        unknown = true;
        unknownNames += className + "\r";
        throw;
    }
}

std::unique_ptr<TQmPersistent> CreateBandByType(int bandType) {
    if (bandType < 0 || bandType >= static_cast<int>(kBandTypeCodes.size())) return nullptr;
    return CreateReportObject(kBandTypeCodes[static_cast<std::size_t>(bandType)], {});
}

void FreeListObjects(TList* list) {
    if (!list) return;
    for (int i = 0; i < list->Count(); ++i) delete static_cast<TObject*>(list->Items(i));
    list->Clear();
}
