// Writing the skin component into the main window's form description.
#include "tools/skinpack/SkinDataForm.h"

#include <memory>

#include "platform/rtl/datamodule.h"
#include "platform/rtl/writer.h"
#include "skin/WinSkinData.h"

namespace {

constexpr const char* kBlockStart = "  object SkinData1: TSkinData\n";
constexpr const char* kBlockEnd = "\n  end\n";

}  // namespace

AnsiString SkinDataFormText(const std::vector<Byte>& package) {
    std::unique_ptr<TDataModule> module(TDataModule::Create(nullptr, 0));
    auto* skin = new TSkinData(module.get());
    skin->SetName("SkinData1");
    skin->SetActive(true);
    // The program's own class map: the default without its second line.
    skin->Skin3rd()->Delete(1);
    skin->SkinStream()->WriteBuffer(package.data(), Integer(package.size()));
    const std::string text = ComponentToText(module.get());
    const std::size_t start = text.find(kBlockStart);
    const std::size_t end = text.find(kBlockEnd, start);
    if (start == std::string::npos || end == std::string::npos) return {};
    return text.substr(start, end + std::char_traits<char>::length(kBlockEnd) - start);
}

AnsiString ReplaceSkinDataBlock(const AnsiString& form, const AnsiString& block) {
    const std::size_t start = form.find(kBlockStart);
    const std::size_t end = form.find(kBlockEnd, start);
    if (start == AnsiString::npos || end == AnsiString::npos) return form;
    AnsiString result = form;
    result.replace(start, end + std::char_traits<char>::length(kBlockEnd) - start, block);
    return result;
}
