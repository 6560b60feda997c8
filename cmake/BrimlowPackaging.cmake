# What an installed Brimlow places where (component Brimlow), the papers every
# Debian package carries, and the packages themselves: `cpack -G DEB` in the
# build folder makes one package per install component.
#
#   Brimlow         brimlow                   the program, its unit file, desktop
#                                             entry, metainfo, icons, manual page
#   FormkitCore     libformkitcore2           Formkit's core (registry, component
#                                             runtime, property bags, dispatch)
#   FormkitWidgets  libformkitwidgets2        Formkit's widget layer
#   FormkitDevel    formkit-dev               Formkit's headers, CMake package,
#                                             pkg-config files
#   Lumivane        liblumivane2              the picture control and its registration
#   LumivaneDevel   lumivane-dev              the control's headers, CMake package,
#                                             pkg-config file
#   Designer        lumivane-designer-plugin  the Qt Designer plugin
include(GNUInstallDirs)

# Installing (and cpack) takes the build as it is: the tests need not be built
# for a package.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The program's release, and the libraries' (their binary interface broke with
# the runtime's rename, hence the new major version and SONAME 2).
set(BRIMLOW_PACKAGE_VERSION 2.0.0)
set(BRIMLOW_MAINTAINER "The Brimlow developers <developers@brimlow.org>")
set(BRIMLOW_PACKAGES
    Brimlow brimlow
    FormkitCore libformkitcore2
    FormkitWidgets libformkitwidgets2
    FormkitDevel formkit-dev
    Lumivane liblumivane2
    LumivaneDevel lumivane-dev
    Designer lumivane-designer-plugin)

# The program. Installed, it finds the project's libraries beside its own
# folder (../lib), and its unit file in ../share/brimlow.
install(TARGETS brimlow RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Brimlow)
set_target_properties(brimlow PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
install(FILES ${PROJECT_BINARY_DIR}/bin/brimlowDB.mdb
    DESTINATION ${CMAKE_INSTALL_DATADIR}/brimlow COMPONENT Brimlow)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.brimlow.Brimlow.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Brimlow)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.brimlow.Brimlow.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Brimlow)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME org.brimlow.Brimlow.png COMPONENT Brimlow)
endforeach()

# Compressed as Debian ships them: gzip -9n, no name or time stamp inside, so
# the same sources give the same bytes.
set(papers ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${papers})
function(brimlow_gzip source target)
    execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${target} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip could not compress ${source}")
    endif()
endfunction()
brimlow_gzip(${PROJECT_SOURCE_DIR}/packaging/brimlow.1 ${papers}/brimlow.1.gz)
install(FILES ${papers}/brimlow.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT Brimlow)

# Every package carries the copyright file and a changelog of its own name.
set(BRIMLOW_PACKAGE_NAMES "")
set(pairs ${BRIMLOW_PACKAGES})
while(pairs)
    list(POP_FRONT pairs component package)
    list(APPEND BRIMLOW_PACKAGE_NAMES ${package})
    configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${papers}/${package}/changelog @ONLY)
    brimlow_gzip(${papers}/${package}/changelog ${papers}/${package}/changelog.gz)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${papers}/${package}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
endwhile()

# The Debian packages.
set(CPACK_PACKAGE_NAME brimlow)
set(CPACK_PACKAGE_VENDOR "The Brimlow developers")
set(CPACK_PACKAGE_VERSION ${BRIMLOW_PACKAGE_VERSION})
# CPack's own default summary, which it leaves out: each package's description
# below starts with its own summary line.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${CMAKE_PROJECT_NAME} built using CMake")
set(CPACK_PACKAGE_CONTACT ${BRIMLOW_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${BRIMLOW_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps works out what the binaries link; the project's own libraries
# are found in the build folder, and the library packages say which package
# gives each soname (shlibs).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")

set(triggers ${papers}/ldconfig/triggers)
file(WRITE ${triggers} "activate-noawait ldconfig\n")

# Each library package ships its Debian symbols file (packaging/<package>.symbols,
# kept by abi/abi.sh beside the libraries' ABI descriptions), so that packages
# built against it depend on the version that brought the names they use.
foreach(package libformkitcore2 libformkitwidgets2 liblumivane2)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${package}.symbols ${papers}/${package}/symbols COPYONLY)
endforeach()

set(CPACK_DEBIAN_BRIMLOW_PACKAGE_NAME brimlow)
set(CPACK_DEBIAN_BRIMLOW_PACKAGE_SECTION utils)
# The program makes its logo control by name and so does not link it.
set(CPACK_DEBIAN_BRIMLOW_PACKAGE_DEPENDS
    "libformkitcore2 (>= ${BRIMLOW_PACKAGE_VERSION}), libformkitwidgets2 (>= ${BRIMLOW_PACKAGE_VERSION}), liblumivane2 (>= ${BRIMLOW_PACKAGE_VERSION})")
set(CPACK_DEBIAN_BRIMLOW_DESCRIPTION "converter for volumes of liquid
Brimlow converts volumes of liquid between over 60 units: metric, US
customary liquid and dry, UK imperial and Australian. The converted volume
appears as you type, together with a measuring flask whose fluid level and
scale follow the volume; drag the level to set it. Conversions can be kept
and written to a text file.")

set(CPACK_DEBIAN_FORMKITCORE_PACKAGE_NAME libformkitcore2)
set(CPACK_DEBIAN_FORMKITCORE_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_FORMKITCORE_PACKAGE_CONTROL_EXTRA ${triggers} ${papers}/libformkitcore2/symbols)
set(CPACK_DEBIAN_FORMKITCORE_DESCRIPTION "Formkit runtime for forms and controls - core
Formkit is the runtime that forms and the controls on them share. Its core
holds the control runtime: a registry of controls by programmatic name, the
module loader that creates them, calls by identifier, property bags (in
memory and in files), colours and drawing scales. It needs Qt Core and Gui
only.")

set(CPACK_DEBIAN_FORMKITWIDGETS_PACKAGE_NAME libformkitwidgets2)
set(CPACK_DEBIAN_FORMKITWIDGETS_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_FORMKITWIDGETS_PACKAGE_DEPENDS "libformkitcore2 (= ${BRIMLOW_PACKAGE_VERSION})")
set(CPACK_DEBIAN_FORMKITWIDGETS_PACKAGE_CONTROL_EXTRA ${triggers} ${papers}/libformkitwidgets2/symbols)
set(CPACK_DEBIAN_FORMKITWIDGETS_DESCRIPTION "Formkit runtime for forms and controls - widgets
Formkit is the runtime that forms and the controls on them share. This is
its widget layer above the core: text box, list box, buttons, frame,
picture box, timer and message box, with the event semantics forms and
controls rely on.")

set(CPACK_DEBIAN_FORMKITDEVEL_PACKAGE_NAME formkit-dev)
set(CPACK_DEBIAN_FORMKITDEVEL_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_FORMKITDEVEL_PACKAGE_DEPENDS
    "libformkitcore2 (= ${BRIMLOW_PACKAGE_VERSION}), libformkitwidgets2 (= ${BRIMLOW_PACKAGE_VERSION}), qt6-base-dev")
set(CPACK_DEBIAN_FORMKITDEVEL_DESCRIPTION "development files for the Formkit runtime
Headers (<Formkit/...>), the CMake package (find_package(Formkit 2.0
COMPONENTS Core Widgets)) and pkg-config files (formkitcore, formkitwidgets)
for programs that host controls through Formkit or build forms on its
widgets.")

set(CPACK_DEBIAN_LUMIVANE_PACKAGE_NAME liblumivane2)
set(CPACK_DEBIAN_LUMIVANE_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LUMIVANE_PACKAGE_DEPENDS
    "libformkitcore2 (>= ${BRIMLOW_PACKAGE_VERSION}), libformkitwidgets2 (>= ${BRIMLOW_PACKAGE_VERSION})")
set(CPACK_DEBIAN_LUMIVANE_PACKAGE_CONTROL_EXTRA ${triggers} ${papers}/liblumivane2/symbols)
set(CPACK_DEBIAN_LUMIVANE_DESCRIPTION "picture control with one see-through colour
Lumivane shows a picture in which one colour is see-through, so the form
behind it shows in that colour's place; users can drag it. Programs create
it by its name LumivaneBox.Lumivane through the Formkit runtime, which finds it
through the registration this package installs.")

set(CPACK_DEBIAN_LUMIVANEDEVEL_PACKAGE_NAME lumivane-dev)
set(CPACK_DEBIAN_LUMIVANEDEVEL_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LUMIVANEDEVEL_PACKAGE_DEPENDS
    "liblumivane2 (= ${BRIMLOW_PACKAGE_VERSION}), formkit-dev (= ${BRIMLOW_PACKAGE_VERSION})")
set(CPACK_DEBIAN_LUMIVANEDEVEL_DESCRIPTION "development files for the Lumivane picture control
Headers, the CMake package (find_package(Lumivane 2.0)) and the pkg-config
file (lumivane) for programs that host the Lumivane picture control.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_NAME lumivane-designer-plugin)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_DEPENDS "liblumivane2 (>= ${BRIMLOW_PACKAGE_VERSION})")
set(CPACK_DEBIAN_DESIGNER_DESCRIPTION "Qt Designer plugin for the Lumivane picture control
Puts Lumivane in Qt Designer's widget box, so forms designed there can hold
the picture control and set its properties.")

# The libraries' binary interface against abi/ (abidiff, abigail-tools):
# abi-check fails on an incompatible change, abi-update writes the
# descriptions and the symbols files anew (after an addition, in the same commit).
foreach(action check update)
    add_custom_target(abi-${action}
        COMMAND ${PROJECT_SOURCE_DIR}/abi/abi.sh ${action} ${PROJECT_BINARY_DIR}
        DEPENDS formkitcore formkitwidgets lumivane
        COMMENT "abi/abi.sh ${action}"
        VERBATIM)
endforeach()

include(CPack)
