# SPDX-License-Identifier: MIT
# What belongs to the library's public surface, and the internal library the
# tools, tests, benchmarks and fuzz targets link.

# zept_public_headers(OUT): the headers zeptdb.h reaches through its quoted
# includes, as paths from the source root. Only these are installed and
# exported; every other header of the source folders is internal.
function(zept_public_headers out)
  set(todo zeptdb.h)
  set(seen)
  while(todo)
    list(POP_FRONT todo header)
    if(header IN_LIST seen OR NOT EXISTS ${PROJECT_SOURCE_DIR}/${header})
      continue()
    endif()
    list(APPEND seen ${header})
    file(STRINGS ${PROJECT_SOURCE_DIR}/${header} includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
      list(APPEND todo ${included})
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# zept_uses_internals(SOURCE OUT): whether SOURCE includes a header of the
# source tree that is not public (an internal header, or a tool's).
function(zept_uses_internals source out)
  set(result FALSE)
  file(STRINGS ${source} includes REGEX "^#include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
    if(EXISTS ${PROJECT_SOURCE_DIR}/${included} AND NOT included IN_LIST ZEPT_PUBLIC_HEADERS)
      set(result TRUE)
    endif()
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

zept_public_headers(ZEPT_PUBLIC_HEADERS)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/zeptdb.h)

get_target_property(zept_library_type zeptdb TYPE)

# What hidden visibility cannot hide in a shared build stays local through
# a version script (cmake/zeptdb.map says what and why).
if(zept_library_type STREQUAL "SHARED_LIBRARY")
  target_link_options(zeptdb PRIVATE LINKER:--version-script=${PROJECT_SOURCE_DIR}/cmake/zeptdb.map)
  set_property(TARGET zeptdb APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/zeptdb.map)
endif()

# zept_internal: the library with its internals reachable. A static zeptdb
# already is that. A shared one exports the public declarations only, so the
# same object files are archived once more for the programs of this project
# that use internals; the installed library stays as lean as it is.
if(zept_library_type STREQUAL "SHARED_LIBRARY")
  add_library(zept_internal STATIC $<TARGET_OBJECTS:zeptdb>)
  target_link_libraries(zept_internal PUBLIC $<TARGET_PROPERTY:zeptdb,LINK_LIBRARIES>)
  target_include_directories(zept_internal PUBLIC $<TARGET_PROPERTY:zeptdb,INTERFACE_INCLUDE_DIRECTORIES>)
  target_compile_features(zept_internal PUBLIC cxx_std_20)
  zept_sanitize(zept_internal)
else()
  add_library(zept_internal INTERFACE)
  target_link_libraries(zept_internal INTERFACE zeptdb)
endif()
