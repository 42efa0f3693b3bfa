# SPDX-License-Identifier: MIT
# Installs the library, its public headers (under include/zeptdb/, reachable
# both as <zeptdb/...> and by their source paths), the CMake package, the pkg-config
# file and the bundled catalogs (data/CMakeLists.txt) into share/zeptdb/.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS zeptdb EXPORT zeptdbTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} NAMELINK_COMPONENT Development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Only the headers zeptdb.h reaches: the internal ones stay in the source tree.
install(FILES ${ZEPT_GENERATED_INCLUDE}/zeptdb/version.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zeptdb)
foreach(header IN LISTS ZEPT_PUBLIC_HEADERS)
  get_filename_component(dir ${header} DIRECTORY)
  install(FILES ${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zeptdb/${dir})
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
# libpq by its library alone: its .pc file's private libraries (pgcommon,
# pgport, Kerberos) exist only in its own static build.
set(zept_pc_pq "")
if(ZEPT_POSTGRES)
  set(zept_pc_pq " -lpq")
endif()
set(zept_pc_dl "")
foreach(lib IN LISTS CMAKE_DL_LIBS)
  string(APPEND zept_pc_dl " -l${lib}")
endforeach()
configure_file(cmake/zeptdb.pc.in ${CMAKE_CURRENT_BINARY_DIR}/zeptdb.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zeptdb.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
