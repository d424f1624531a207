// The customer's pick-up voucher: the one report template the reception
// window prints, built object by object through the report engine, and the
// form description's "ReportData" block that carries it.
#pragma once

#include <string>

// The template stream of the voucher.
std::string BuildVoucherTemplate();
// The form description with its "ReportData" block holding the template
// (its length word first), written as the form writer writes binary
// properties; the text unchanged when it has no such block.
std::string WithReportData(const std::string& description, const std::string& templateBytes);
