// The conformance table of the script language (conformance.txt): each
// case runs as a nameless body with Emit writing its output lines.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/rtl/codepage.h"
#include "platform/rtl/sysutils.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_values.h"
#include "script_host.h"

namespace {

struct ConformanceCase {
    std::string name;
    std::string script;
    std::vector<std::string> output;
    bool fails = false;
    int code = 0;
    std::string position;
    std::string message;
};

std::vector<ConformanceCase> ReadCases() {
    std::ifstream file(SCRIPT_TEST_DIR "/conformance.txt");
    std::vector<ConformanceCase> cases;
    enum { Script, Output, Error } part = Script;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("#", 0) == 0 && cases.empty()) continue;
        if (line.rfind("=== ", 0) == 0) {
            cases.emplace_back();
            cases.back().name = line.substr(4);
            part = Script;
        } else if (cases.empty()) {
            continue;
        } else if (line == "--- output") {
            part = Output;
        } else if (line.rfind("--- error ", 0) == 0) {
            ConformanceCase& c = cases.back();
            std::istringstream spec(line.substr(10));
            std::string at;
            spec >> c.code >> at >> c.position;
            c.fails = true;
            part = Error;
        } else if (part == Script) {
            cases.back().script += line + "\r\n";
        } else if (part == Output) {
            if (!line.empty()) cases.back().output.push_back(line);
        } else if (!line.empty()) {
            cases.back().message = line;
        }
    }
    return cases;
}

TEST(Conformance, EveryCaseOfTheTable) {
    ScriptTestHost& host = ScriptTestHost::Get();
    const std::vector<ConformanceCase> cases = ReadCases();
    ASSERT_FALSE(cases.empty());
    for (const ConformanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        TKpInterpreterFunction interpreter(nullptr);
        interpreter.SetSource(Utf8ToAnsi(c.script));
        host.Emitted.clear();
        bool failed = false;
        try {
            interpreter.Run();
        } catch (...) {
            failed = true;
        }
        std::vector<std::string> output;
        for (const AnsiString& line : host.Emitted) output.push_back(AnsiToUtf8(line));
        EXPECT_EQ(output, c.output);
        const EKpInterpreterError& error = interpreter.LastError();
        EXPECT_EQ(failed, c.fails) << AnsiToUtf8(error.Message());
        if (!c.fails || !failed) continue;
        EXPECT_EQ(error.Code, c.code);
        EXPECT_EQ(AnsiToUtf8(error.Message()), c.message);
        if (c.position != "*") {
            EXPECT_EQ(std::to_string(error.Position), c.position);
        }
    }
}

}  // namespace
