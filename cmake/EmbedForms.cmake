# Writes a C++ source that registers form descriptions with the platform's
# form-resource table, each under the class name of its root object.
# Run as: cmake -DOUTPUT=<file.cpp> -DFORMS=<a.dfm|b.dfm> -P EmbedForms.cmake
string(REPLACE "|" ";" FORMS "${FORMS}")
set(body "")
set(calls "")
set(index 0)
foreach(form IN LISTS FORMS)
  file(READ "${form}" text)
  string(REGEX MATCH "^[^A-Za-z]*(object|inherited|inline)[ \t]+([A-Za-z_][A-Za-z0-9_]*[ \t]*:[ \t]*)?([A-Za-z_][A-Za-z0-9_]*)"
         header "${text}")
  if(NOT header)
    message(FATAL_ERROR "${form}: no 'object Name: TClass' at the start")
  endif()
  set(class_name "${CMAKE_MATCH_3}")
  file(READ "${form}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char form${index}[] = {${bytes}};\n")
  string(APPEND calls "    RegisterFormResource(\"${class_name}\", form${index}, sizeof form${index});\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated from the form descriptions beside the form units; do not edit.
#include \"platform/rtl/formresources.h\"

namespace {
${body}
const bool registered = [] {
${calls}    return true;
}();
}  // namespace
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
