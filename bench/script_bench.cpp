// The script interpreter against Lua 5.4 on three workloads: an integer sum
// loop, naive string concatenation, and calls of a method of a host class.
// The Lua side runs in a child process (the lua5.4 program) and times its
// own loop with os.clock; runs alternate and medians are compared. Prints
// one ratio (interpreter time / Lua time) per workload. With --profile the
// interpreter alone runs each workload once at a hundredth of its count,
// for a profiler (valgrind --tool=callgrind).
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "peer_seconds.h"
#include "side_by_side.h"
#include "script/qm_kpinterpreter_function.h"
#include "script/qm_kpinterpreter_startup.h"
#include "script/qm_kpinterpreter_values.h"

namespace {

class TBenchCounter : public TObject {
    SERVIORA_CLASS(TBenchCounter, TObject)
public:
    Int64 Total = 0;
};

void CounterAdd(Variant& value, TKpInterpreterArgs& frame) {
    auto* counter = static_cast<TBenchCounter*>(VariantToObject(frame.CallObject()));
    counter->Total += frame.ArgValues[0].AsInteger();
    value = Variant(Integer(counter->Total));
}

// Each script and Lua loop has "%d" where its count goes.
struct Workload {
    const char* name;
    int count;
    const char* script;
    const char* lua;
};

const Workload workloads[] = {
    {"sum of 1..10,000,000", 10000000,
     "var i, s: Integer; begin s := 0; for i := 1 to %d do s := (s + i) mod 1000000007; end;",
     "local s = 0 for i = 1, %d do s = (s + i) %% 1000000007 end"},
    {"100,000 concatenations", 100000,
     "var i: Integer; s: string; begin s := ''; for i := 1 to %d do s := s + 'x'; end;",
     "local s = '' for i = 1, %d do s = s .. 'x' end"},
    {"1,000,000 host method calls", 1000000, "var i: Integer; begin for i := 1 to %d do Counter.Add(1); end;",
     "local s = 'x' for i = 1, %d do s:len() end"},
};

std::string WithCount(const char* text, int count) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, text, count);
    return buffer;
}

double ScriptSeconds(const Workload& workload, int count, TBenchCounter& counter) {
    TKpInterpreterFunction interpreter(nullptr);
    interpreter.OnGetValue = [&counter](TObject*, const AnsiString& name, Variant& value, TKpInterpreterArgs&,
                                        bool& done) {
        if (name != "Counter") return;
        value = ObjectToVariant(&counter);
        done = true;
    };
    interpreter.SetSource(WithCount(workload.script, count));
    // Processor time, as os.clock gives Lua: on a busy machine wall time
    // would count the time other programs ran.
    const std::clock_t start = std::clock();
    interpreter.Run();
    return double(std::clock() - start) / CLOCKS_PER_SEC;
}

double LuaSeconds(const Workload& workload) {
    const std::string program =
        "local t = os.clock() " + WithCount(workload.lua, workload.count) + " print(os.clock() - t)";
    return PeerSelfReportedSeconds("lua5.4 -e \"" + program + "\"");
}

}  // namespace

int main(int argc, char** argv) {
    const bool profile = argc > 1 && std::string(argv[1]) == "--profile";
    InitializeInterpreter();
    GlobalInterpreterAdapter()->DefineClass("Bench", TBenchCounter::StaticClass());
    GlobalInterpreterAdapter()->DefineGetter(TBenchCounter::StaticClass(), "Add", CounterAdd, 1, {varInteger},
                                             varInteger);
    constexpr int runs = 3;
    for (const Workload& workload : workloads) {
        if (profile) {
            TBenchCounter counter;
            std::printf("%-30s script %.3f s at a hundredth\n", workload.name,
                        ScriptSeconds(workload, workload.count / 100, counter));
            continue;
        }
        std::vector<double> script, lua;
        TBenchCounter counter;
        for (int run = 0; run < runs; ++run) {
            script.push_back(ScriptSeconds(workload, workload.count, counter));
            lua.push_back(LuaSeconds(workload));
        }
        const double luaMedian = Median(lua);
        if (luaMedian <= 0) {
            std::printf("%-30s script %.3f s; lua5.4 not available\n", workload.name, Median(script));
            continue;
        }
        std::printf("%-30s script %.3f s, Lua %.3f s, ratio %.1f\n", workload.name, Median(script), luaMedian,
                    Median(script) / luaMedian);
    }
    FinalizeInterpreter();
    return 0;
}
