# What a program elsewhere needs to use the project's libraries (in the
# development component given).
# Both kinds of file find the prefix from where they lie, so an installed tree
# can be moved whole.
#
# brimlow_install_package(<Package> VERSION <x.y.z> COMPONENT <component>)
#   The CMake package <Package> for find_package(<Package> <x.y>): the config
#   file made from cmake/<Package>Config.cmake.in, a version file (same major
#   version) and the exported targets <Package>Targets, in the namespace
#   <Package>::.
#
# brimlow_install_pkgconfig(<library> <target> VERSION ... DESCRIPTION ...
#                           REQUIRES ... CFLAGS ... COMPONENT <component>)
#   The pkg-config file <library>.pc, linking -l<library>.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

function(brimlow_install_package package)
    cmake_parse_arguments(P "" "VERSION;COMPONENT" "" ${ARGN})
    set(cmakeDir ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
    set(out ${CMAKE_CURRENT_BINARY_DIR}/package)

    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/${package}Config.cmake.in
        ${out}/${package}Config.cmake INSTALL_DESTINATION ${cmakeDir})
    write_basic_package_version_file(${out}/${package}ConfigVersion.cmake
        VERSION ${P_VERSION} COMPATIBILITY SameMajorVersion)
    install(EXPORT ${package}Targets NAMESPACE ${package}:: DESTINATION ${cmakeDir} COMPONENT ${P_COMPONENT})
    install(FILES ${out}/${package}Config.cmake ${out}/${package}ConfigVersion.cmake
        DESTINATION ${cmakeDir} COMPONENT ${P_COMPONENT})
endfunction()

function(brimlow_install_pkgconfig library target)
    cmake_parse_arguments(P "" "VERSION;DESCRIPTION;REQUIRES;CFLAGS;COMPONENT" "" ${ARGN})
    set(out ${CMAKE_CURRENT_BINARY_DIR}/package)
    file(RELATIVE_PATH PC_PREFIX_FROM_PCFILE
        /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
    set(PC_NAME ${library})
    set(PC_LIBRARY ${library})
    set(PC_VERSION ${P_VERSION})
    set(PC_DESCRIPTION "${P_DESCRIPTION}")
    set(PC_REQUIRES "${P_REQUIRES}")
    set(PC_CFLAGS "${P_CFLAGS}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/package.pc.in ${out}/${library}.pc @ONLY)
    install(FILES ${out}/${library}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT ${P_COMPONENT})
endfunction()
