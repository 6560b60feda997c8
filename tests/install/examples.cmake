# Steps of the install test for what third-party developers use beside the
# libraries: the example host built against the prefix alone, and the Designer
# plugin loaded from the prefix. Included by installtest.cmake, whose run()
# (clean environment, empty home, output in RUN_OUTPUT), PREFIX, BUILD_DIR,
# WORK_DIR, HOME_DIR and SOURCE_DIR these use.

# The API documentation's first host (examples/firsthost, which the main page
# quotes), built as the page says: with CMake, C++17, the prefix alone; and with
# pkg-config and the prefix's run path.
function(step_firsthost)
    set(source ${SOURCE_DIR}/../../examples/firsthost)
    set(build ${WORK_DIR}/firsthost)
    run("configuring examples/firsthost" ${CMAKE_COMMAND} -E env --unset=CMAKE_PREFIX_PATH
        ${CMAKE_COMMAND} -S ${source} -B ${build} -DCMAKE_PREFIX_PATH=${PREFIX}
        -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS_TEXT}"
        "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS_TEXT}")
    run("building examples/firsthost" ${CMAKE_COMMAND} --build ${build})
    run("examples/firsthost" ${build}/firsthost --quit)
    run("pkg-config" pkg-config --cflags --libs lumivane)
    separate_arguments(flags UNIX_COMMAND "${RUN_OUTPUT}")
    run("building the first host with pkg-config" ${CXX} -std=c++17 -fPIC ${source}/main.cpp
        -o ${WORK_DIR}/bin/firsthost ${flags} ${EXTRA_FLAGS} -Wl,-rpath,${PREFIX}/lib)
    run("the first host built with pkg-config" ${WORK_DIR}/bin/firsthost --quit)
    message(STATUS "the main page's first host builds with CMake and with pkg-config and runs")
endfunction()

# The Designer form with every enum property set, built against the prefix as
# C++17 with AUTOUIC, then run: each value reaches the control.
function(step_designerform)
    set(build ${WORK_DIR}/lumivaneform)
    run("configuring the Designer form" ${CMAKE_COMMAND} -E env --unset=CMAKE_PREFIX_PATH
        ${CMAKE_COMMAND} -S ${SOURCE_DIR}/lumivaneform -B ${build} -DCMAKE_PREFIX_PATH=${PREFIX}
        -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS_TEXT}"
        "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS_TEXT}")
    run("building the Designer form" ${CMAKE_COMMAND} --build ${build})
    run("the Designer form" ${build}/tst_lumivaneform)
    message(STATUS "the Designer form builds against the prefix as C++17 and sets every value")
endfunction()

# examples/lumiview configured and built with CMAKE_PREFIX_PATH=<prefix> only
# (no package registry, no build tree, no library path), then run twice: the
# second run must get back the move style that the first chose and saved.
function(step_lumiview)
    set(build ${WORK_DIR}/lumiview)
    run("configuring examples/lumiview" ${CMAKE_COMMAND} -E env --unset=CMAKE_PREFIX_PATH
        ${CMAKE_COMMAND} -S ${SOURCE_DIR}/../../examples/lumiview -B ${build}
        -DCMAKE_PREFIX_PATH=${PREFIX} -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS=${EXTRA_FLAGS_TEXT}"
        "-DCMAKE_EXE_LINKER_FLAGS=${EXTRA_FLAGS_TEXT}")
    run("building examples/lumiview" ${CMAKE_COMMAND} --build ${build})
    file(STRINGS ${build}/CMakeCache.txt found REGEX "^(Lumivane|Formkit)_DIR:")
    list(LENGTH found count)
    if(NOT count EQUAL 2 OR NOT found MATCHES "_DIR:PATH=${PREFIX}/[^;]*;[^;]*_DIR:PATH=${PREFIX}/")
        message(FATAL_ERROR "the packages were not found in the prefix alone: ${found}")
    endif()

    # The settings go where QStandardPaths puts them, in the empty home.
    set(lumiview ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME ${build}/lumiview)
    set(picture ${SOURCE_DIR}/../../resources/logo.gif) # its top-left pixel: grey 190
    run("lumiview's first run" ${lumiview} --move-style wireframe --quit ${picture})
    if(NOT RUN_OUTPUT STREQUAL "move style WireFrame, see-through colour BEBEBE\n")
        message(FATAL_ERROR "lumiview's first run printed: ${RUN_OUTPUT}")
    endif()
    if(NOT EXISTS ${HOME_DIR}/.config/lumiview/lumiview.bag)
        message(FATAL_ERROR "lumiview kept no settings in ${HOME_DIR}/.config/lumiview/")
    endif()
    run("lumiview's second run" ${lumiview} --quit ${picture})
    if(NOT RUN_OUTPUT STREQUAL "move style WireFrame, see-through colour BEBEBE\n")
        message(FATAL_ERROR "lumiview's second run did not restore its settings: ${RUN_OUTPUT}")
    endif()
    # A settings file named by option.
    run("lumiview with --settings"
        ${lumiview} --settings ${WORK_DIR}/mine.bag --move-style both --quit ${picture})
    run("lumiview reading --settings" ${lumiview} --settings ${WORK_DIR}/mine.bag --quit ${picture})
    if(NOT RUN_OUTPUT MATCHES "^move style Both,")
        message(FATAL_ERROR "lumiview did not keep its settings in --settings: ${RUN_OUTPUT}")
    endif()
    message(STATUS "examples/lumiview builds against the prefix and keeps its settings")
endfunction()

# The installed Designer plugin finds the libraries beside it by itself
# (RUNPATH $ORIGIN/../../..) and loads as Designer loads it: the plugin's test,
# which links no Lumivane, pointed at the installed file.
function(step_designer)
    set(plugin ${PREFIX}/lib/qt6/plugins/designer/liblumivane_designer.so)
    if(NOT EXISTS ${plugin})
        message(FATAL_ERROR "the Designer plugin is not installed in ${plugin}")
    endif()
    run("readelf" readelf -d ${plugin})
    if(NOT RUN_OUTPUT MATCHES "RUNPATH[^\n]*\\[\\$ORIGIN/\\.\\./\\.\\./\\.\\.\\]")
        message(FATAL_ERROR "the Designer plugin's RUNPATH does not reach <libdir>:\n${RUN_OUTPUT}")
    endif()
    run("the Designer plugin from the prefix" ${CMAKE_COMMAND} -E env LUMIVANE_DESIGNER_PLUGIN=${plugin}
        ${BUILD_DIR}/bin/tst_lumivanedesigner)
    message(STATUS "the installed Designer plugin loads")
endfunction()
