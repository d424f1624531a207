// What a registry found in its lists for a name, kept while no registry
// list changes: the member of a class a name stands for, and the free names
// none of its lists answer (its hooks are still asked every time). Any
// registration anywhere moves the registries' generation and empties the
// cache; the free names also depend on the registry's script variables.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "platform/rtl/typinfo.h"
#include "script/qm_kpinterpreter_entries.h"

// How a class's object answers a member name, in the order asked.
struct TKpMemberFinding {
    PPropInfo Prop = nullptr;
    TKpInterpreterMethod* Getter = nullptr;
    bool Free = false;
    TKpInterpreterDMethod* Direct = nullptr;
};

// What one place of a script found for its name in one registry: a free
// name none of the lists answer, or how a class's object answers a member.
// It holds while the registries' generation, the registry's variables and
// the kind of look-up stay (checked on each use), which spares the cache's
// hashing of the name.
struct TKpResolveSite {
    std::uint64_t Generation = 0;
    std::uint64_t Variables = 0;
    TClass Class = nullptr;
    bool WithArguments = false;
    bool Miss = false;
    const TKpMemberFinding* Member = nullptr;

    bool HoldsMiss(std::uint64_t variables, bool withArguments) const {
        return Miss && Generation == RegistryGeneration() && Variables == variables &&
               WithArguments == withArguments;
    }
    void KeepMiss(std::uint64_t variables, bool withArguments) {
        *this = TKpResolveSite{RegistryGeneration(), variables, nullptr, withArguments, true, nullptr};
    }
    const TKpMemberFinding* MemberOf(TClass cls) const {
        return Member && Generation == RegistryGeneration() && Class == cls ? Member : nullptr;
    }
    void KeepMember(TClass cls, const TKpMemberFinding& finding) {
        *this = TKpResolveSite{RegistryGeneration(), 0, cls, false, false, &finding};
    }
};

class TKpResolveCache {
public:
    // Empties what no longer holds.
    void Validate(std::uint64_t variablesStamp) {
        if (generation_ != RegistryGeneration()) {
            generation_ = RegistryGeneration();
            members_.clear();
            misses_.clear();
        }
        if (variables_ != variablesStamp) {
            variables_ = variablesStamp;
            misses_.clear();
        }
    }
    const TKpMemberFinding* FindMember(TClass cls, const AnsiString& name) const {
        const auto byClass = members_.find(cls);
        if (byClass == members_.end()) return nullptr;
        const auto found = byClass->second.find(name);
        return found == byClass->second.end() ? nullptr : &found->second;
    }
    const TKpMemberFinding& AddMember(TClass cls, const AnsiString& name, const TKpMemberFinding& finding) {
        return members_[cls][name] = finding;
    }
    // A type name with arguments is a type cast, so whether there are
    // arguments is part of a miss.
    bool KnownMiss(const AnsiString& name, bool withArguments) const {
        return misses_.count(withArguments ? MissKey(name, true) : name) != 0;
    }
    void NoteMiss(const AnsiString& name, bool withArguments) { misses_.insert(MissKey(name, withArguments)); }

private:
    static AnsiString MissKey(const AnsiString& name, bool withArguments) {
        return withArguments ? name + '(' : name;
    }

    std::uint64_t generation_ = 0;
    std::uint64_t variables_ = 0;
    std::unordered_map<TClass, std::unordered_map<AnsiString, TKpMemberFinding>> members_;
    std::unordered_set<AnsiString> misses_;
};
