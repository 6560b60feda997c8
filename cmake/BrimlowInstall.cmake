# brimlow_install_package(<Package> <library> DESCRIPTION ... PC_REQUIRES ... PC_CFLAGS ...)
#
# Installs what a program elsewhere needs to use <library> (component Devel):
# the CMake package <Package> (config and version files and the exported
# targets, in the namespace <Package>::) for find_package(<Package> 1.0), and
# the pkg-config file <library>.pc. Both find the prefix from where they lie, so
# an installed tree can be moved whole.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

function(brimlow_install_package package library)
    cmake_parse_arguments(P "" "DESCRIPTION;PC_REQUIRES;PC_CFLAGS" "" ${ARGN})
    set(cmakeDir ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
    set(out ${CMAKE_CURRENT_BINARY_DIR}/package)

    configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/${package}Config.cmake.in
        ${out}/${package}Config.cmake INSTALL_DESTINATION ${cmakeDir})
    get_target_property(PC_VERSION ${library} VERSION)
    write_basic_package_version_file(${out}/${package}ConfigVersion.cmake
        VERSION ${PC_VERSION} COMPATIBILITY SameMajorVersion)
    install(EXPORT ${package}Targets NAMESPACE ${package}:: DESTINATION ${cmakeDir} COMPONENT Devel)
    install(FILES ${out}/${package}Config.cmake ${out}/${package}ConfigVersion.cmake
        DESTINATION ${cmakeDir} COMPONENT Devel)

    file(RELATIVE_PATH PC_PREFIX_FROM_PCFILE
        /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
    set(PC_NAME ${package})
    set(PC_LIBRARY ${library})
    set(PC_DESCRIPTION "${P_DESCRIPTION}")
    set(PC_REQUIRES "${P_PC_REQUIRES}")
    set(PC_CFLAGS "${P_PC_CFLAGS}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/package.pc.in ${out}/${library}.pc @ONLY)
    install(FILES ${out}/${library}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT Devel)
endfunction()
