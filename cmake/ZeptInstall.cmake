# SPDX-License-Identifier: MIT
# Installs the library, its headers (under include/zeptdb/, reachable both as
# <zeptdb/...> and by their source paths), the CMake package, the pkg-config
# file and the bundled catalogs (data/CMakeLists.txt) into share/zeptdb/.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS zeptdb EXPORT zeptdbTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT Development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES zeptdb.h ${ZEPT_GENERATED_INCLUDE}/zeptdb/version.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zeptdb)
foreach(dir platform database section preview)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${dir})
    install(DIRECTORY ${dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zeptdb
      FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zeptdb)

install(EXPORT zeptdbTargets NAMESPACE zeptdb:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zeptdb)
set(ZEPT_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/zeptdb)
configure_package_config_file(cmake/zeptdbConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zeptdb
  PATH_VARS ZEPT_INSTALL_DATADIR)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zeptdb)

# pkg-config: paths relative to the file itself, so that an installed tree
# can be moved (or installed with --prefix) and still be found.
file(RELATIVE_PATH zept_pc_to_prefix ${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" zept_pc_to_prefix "${zept_pc_to_prefix}")
set(zept_pc_dl "")
foreach(lib IN LISTS CMAKE_DL_LIBS)
  string(APPEND zept_pc_dl " -l${lib}")
endforeach()
configure_file(cmake/zeptdb.pc.in ${CMAKE_CURRENT_BINARY_DIR}/zeptdb.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zeptdb.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
