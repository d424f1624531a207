// The class registry: classes a form description or a script may create by
// name. Registering is explicit (RegisterClass), as on the platform.
#pragma once

#include <initializer_list>

#include "platform/rtl/exceptions.h"
#include "platform/rtl/metaclass.h"

SERVIORA_EXCEPTION(EFilerError, EStreamError);
SERVIORA_EXCEPTION(EClassNotFound, EFilerError);

// Registering a class twice is harmless; registering another class under a
// name already taken raises EFilerError "A class named TFoo already exists".
void RegisterClass(TClass cls);
void RegisterClasses(std::initializer_list<TClass> classes);
void UnRegisterClass(TClass cls);
// nullptr when no class of that name is registered (ASCII case ignored).
TClass GetClass(const AnsiString& className);
// EClassNotFound "Class TFoo not found" when none is.
TClass FindClass(const AnsiString& className);

// Registers T at program start-up; write it in T's .cpp file:
//     SERVIORA_REGISTER_CLASS(TFoo);
#define SERVIORA_REGISTER_CLASS(Class) \
    static const bool serviora_registered_##Class = (RegisterClass(Class::StaticClass()), true)
