include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS zeptdb EXPORT zeptdbTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES zeptdb.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zeptdb)
foreach(dir platform database section preview)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${dir})
    install(DIRECTORY ${dir} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zeptdb
      FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
install(EXPORT zeptdbTargets NAMESPACE zeptdb:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zeptdb)
configure_package_config_file(cmake/zeptdbConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zeptdb)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/zeptdbConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zeptdb)
