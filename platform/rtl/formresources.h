// Form descriptions embedded into the program (see serviora_embed_forms in
// cmake/ServioraTargets.cmake), found by the class name of their root, and
// the routines with which a form or data module reads its own.
#pragma once

#include <cstddef>
#include <string>

#include "platform/rtl/component.h"

SERVIORA_EXCEPTION(EResNotFound, Exception);

// Called by the generated registration code at start-up.
void RegisterFormResource(const char* className, const unsigned char* data, std::size_t size);
// The description whose root is of class className (ASCII case ignored).
bool FindFormResource(const AnsiString& className, std::string& description);

// Reads the description of instance's class and of each ancestor below
// rootAncestor that has one, the furthest ancestor first (the later ones
// say "inherited" for components the earlier ones made), then calls Loaded
// once on every component read. Answers whether any was found.
bool InitInheritedComponent(TComponent* instance, TClass rootAncestor);
// Reads the description registered under resName into instance; false when
// there is none.
bool ReadComponentRes(const AnsiString& resName, TComponent* instance);
