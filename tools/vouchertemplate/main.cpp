// Writes the pick-up voucher template into a form description's
// "ReportData": serviora-vouchertemplate <path of jiedaifrm.dfm>.
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/vouchertemplate/voucher_template.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: serviora-vouchertemplate <form description>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    in.close();
    const std::string updated = WithReportData(text.str(), BuildVoucherTemplate());
    if (updated == text.str() && text.str().find("ReportData = {") == std::string::npos) {
        std::cerr << argv[1] << " has no ReportData\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << updated;
    return out ? 0 : 1;
}
