# Helpers that give every layer the same shape: a static library made of the
# .cpp files of its folder, and one test executable made of the *_test.cpp
# files of the mirrored folder under tests/.

# serviora_library(<name> [DEPS <targets>...] [EXTRA_DIRS <subdirs>...]
#                   [INCLUDES <folders>...])
# A folder without sources yet becomes an interface library, so the layers
# above can already name it. INCLUDES lists the project folders its files may
# include from (its own folder always); an include from any other folder
# stops the build.
function(serviora_library name)
  cmake_parse_arguments(ARG "" "" "DEPS;EXTRA_DIRS;INCLUDES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(dir IN LISTS ARG_EXTRA_DIRS)
    file(GLOB more CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${more})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    if(ARG_INCLUDES)
      file(RELATIVE_PATH own ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
      string(REPLACE ";" "|" allowed "${own};${ARG_INCLUDES}")
      add_custom_target(${name}_layering
        COMMAND ${CMAKE_COMMAND} -DDIR=${CMAKE_CURRENT_SOURCE_DIR} -DROOT=${PROJECT_SOURCE_DIR}
                -DOWN=${own} "-DALLOWED=${allowed}" -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayering.cmake
        VERBATIM)
      add_dependencies(${name} ${name}_layering)
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# serviora_tests(<library> [DEPS <targets>...] [MAIN <source>])
# Builds <library>_tests from the *_test.cpp files of the current folder and
# registers it with CTest. Nothing is built for a folder without tests. MAIN
# names a source with the executable's own main(); without it the plain
# test_main is linked.
function(serviora_tests library)
  cmake_parse_arguments(ARG "" "MAIN" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${library}_tests)
  if(ARG_MAIN)
    add_executable(${target} ${sources} ${ARG_MAIN})
    target_link_libraries(${target} PRIVATE ${library} test_support ${ARG_DEPS})
  else()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${library} test_main ${ARG_DEPS})
  endif()
  add_test(NAME ${library} COMMAND ${target})
  set_tests_properties(${library} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SERVIORA_TEST_OUTPUT=${PROJECT_BINARY_DIR}"
    TIMEOUT 900)
endfunction()

# serviora_embed_forms(<target>)
# Embeds every .dfm of the current source folder into the program, where a
# form or data module finds its description by its class name. For a static
# library the registration object goes straight onto the link line of each
# program that uses the library, so the linker cannot drop it.
function(serviora_embed_forms target)
  file(GLOB forms CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.dfm)
  if(NOT forms)
    return()
  endif()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_forms.cpp)
  string(REPLACE ";" "|" forms_arg "${forms}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DFORMS=${forms_arg}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedForms.cmake
    DEPENDS ${forms} ${PROJECT_SOURCE_DIR}/cmake/EmbedForms.cmake
    COMMENT "Embedding form descriptions of ${target}"
    VERBATIM)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_sources(${target} PRIVATE ${output})
  else()
    add_library(${target}_forms OBJECT ${output})
    target_link_libraries(${target}_forms PRIVATE platform_rtl)
    add_dependencies(${target} ${target}_forms)
    target_link_libraries(${target} INTERFACE $<TARGET_OBJECTS:${target}_forms>)
  endif()
endfunction()

# serviora_embed_resources(<target> FILES <files>... [ANCHOR <function>])
# Embeds the files (bitmaps, icons, cursors, raw data) into <target>, found
# at run time by FindEmbeddedResource / LoadBitmap / LoadFromResourceName.
# The registering source is compiled into the target itself (an executable
# or object library), so its start-up registration is never dropped. A
# static library names an ANCHOR: an empty function defined beside the
# registration, which the library's code calls so the linker keeps both.
function(serviora_embed_resources target)
  cmake_parse_arguments(ARG "" "ANCHOR" "FILES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} "-DOUT=${out}" "-DFILES=${ARG_FILES}" "-DANCHOR=${ARG_ANCHOR}" -P ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    DEPENDS ${ARG_FILES} ${PROJECT_SOURCE_DIR}/cmake/EmbedResources.cmake
    COMMENT "Embedding resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
