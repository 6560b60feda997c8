# The installed package, used as a program elsewhere uses it (ctest runs this as
# a CMake script):
#
#   cmake -DBUILD_DIR=<build> -DWORK_DIR=<scratch> -DSOURCE_DIR=<tests/install>
#         -DCXX=<compiler> [-DEXTRA_FLAGS=<flags>] -P installtest.cmake
#
# Each step is a function below, run in order at the end; a new step (building
# the examples against the prefix, say) is one more function and one more line
# there. Steps see PREFIX, QT_FLAGS and the helpers.

set(PREFIX ${WORK_DIR}/prefix)
set(HOME_DIR ${WORK_DIR}/home)
# The example is built with them too (a sanitized library needs a sanitized program).
set(EXTRA_FLAGS_TEXT "${EXTRA_FLAGS}")
separate_arguments(EXTRA_FLAGS UNIX_COMMAND "${EXTRA_FLAGS}")

# Runs a command with a clean environment for finding things: no library path,
# no registry named, an empty home; fails the test with its output.
function(run what)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH
                --unset=BRIMLOW_CONTROL_REGISTRY --unset=XDG_DATA_HOME HOME=${HOME_DIR}
                PKG_CONFIG_PATH=${PREFIX}/lib/pkgconfig QT_QPA_PLATFORM=offscreen
                ASAN_OPTIONS=detect_leaks=0 ${ARGN}
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${what} failed (${failed}):\n${ARGN}\n${out}\n${err}")
    endif()
    set(RUN_OUTPUT "${out}" PARENT_SCOPE)
endfunction()

function(step_install)
    file(REMOVE_RECURSE ${WORK_DIR})
    file(MAKE_DIRECTORY ${HOME_DIR})
    run("cmake --install" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})
    foreach(file lib/libformruntime.so.1 lib/liblumivane.so.2 lib/pkgconfig/formruntime.pc
            lib/pkgconfig/lumivane.pc lib/cmake/FormRuntime/FormRuntimeConfig.cmake
            lib/cmake/Lumivane/LumivaneConfig.cmake share/formruntime/controls.json
            include/Lumivane/Lumivane include/Lumivane/lumivane.h include/Lumivane/lumivane_version.h
            include/FormRuntime/toolkit/componentruntime.h)
        if(NOT EXISTS ${PREFIX}/${file})
            message(FATAL_ERROR "not installed: ${file}")
        endif()
    endforeach()
    if(EXISTS ${PREFIX}/include/lumivane)
        message(FATAL_ERROR "Lumivane's headers are in two folders: include/lumivane and include/Lumivane")
    endif()
    file(READ ${PREFIX}/share/formruntime/controls.json registry)
    if(registry MATCHES "\"/" OR NOT registry MATCHES "\"\\.\\./\\.\\./lib/liblumivane\\.so")
        message(FATAL_ERROR "the installed registry does not name the library relative to itself:\n${registry}")
    endif()
endfunction()

# Every installed header compiles alone, with the package's include roots and Qt.
function(step_headers)
    file(GLOB_RECURSE headers LIST_DIRECTORIES false ${PREFIX}/include/*)
    foreach(header IN LISTS headers)
        run("compiling ${header} alone" ${CXX} -std=c++20 -fPIC -fsyntax-only -x c++ ${header}
            -I${PREFIX}/include -I${PREFIX}/include/FormRuntime ${QT_FLAGS} ${EXTRA_FLAGS})
    endforeach()
    list(LENGTH headers count)
    message(STATUS "${count} installed headers compile alone")
    # Lumivane's own, as Qt 6's baseline and the next standard, pedantic and clean.
    file(GLOB headers LIST_DIRECTORIES false ${PREFIX}/include/Lumivane/*)
    foreach(header IN LISTS headers)
        foreach(standard c++17 c++20)
            run("compiling ${header} alone as ${standard}" ${CXX} -std=${standard} -fPIC -fsyntax-only
                -Wall -Wextra -Wpedantic -Werror -x c++ ${header}
                -I${PREFIX}/include -I${PREFIX}/include/FormRuntime ${QT_FLAGS} ${EXTRA_FLAGS})
        endforeach()
    endforeach()
endfunction()

# A one-file host built with pkg-config alone creates the control by name.
function(step_host)
    run("pkg-config" pkg-config --cflags --libs lumivane)
    separate_arguments(flags UNIX_COMMAND "${RUN_OUTPUT}")
    file(MAKE_DIRECTORY ${WORK_DIR}/bin)
    run("building the host" ${CXX} -std=c++20 -fPIC ${SOURCE_DIR}/host.cpp -o ${WORK_DIR}/bin/host
        ${flags} ${EXTRA_FLAGS} "-Wl,-rpath,\$ORIGIN/../prefix/lib")
    run("the host" ${WORK_DIR}/bin/host)
    if(NOT RUN_OUTPUT MATCHES "TransparentColor=12500670 class=Lumivane typed=yes")
        message(FATAL_ERROR "the host read other values: ${RUN_OUTPUT}")
    endif()
endfunction()

# The installed libraries find each other from where they lie.
function(step_runpath)
    foreach(file lib/libformruntime.so.1 lib/liblumivane.so.2)
        run("readelf" readelf -d ${PREFIX}/${file})
        if(NOT RUN_OUTPUT MATCHES "RUNPATH[^\n]*\\$ORIGIN")
            message(FATAL_ERROR "${file} has no $ORIGIN-relative RUNPATH:\n${RUN_OUTPUT}")
        endif()
    endforeach()
endfunction()

# The program itself, from the prefix: its installed desktop files validated, then
# started on a virtual screen with a home of its own and worked from outside
# (installedapp.sh says how).
function(step_app)
    run("the installed program" ${SOURCE_DIR}/installedapp.sh --installed ${PREFIX} ${WORK_DIR}/app)
    message(STATUS "${RUN_OUTPUT}")
endfunction()

run("pkg-config for Qt" pkg-config --cflags Qt6Widgets)
separate_arguments(QT_FLAGS UNIX_COMMAND "${RUN_OUTPUT}")

include(${SOURCE_DIR}/examples.cmake) # step_firsthost, step_designerform, step_lumiview, step_designer

step_install()
step_headers()
step_host()
step_runpath()
step_firsthost()
step_designerform()
step_lumiview()
step_designer()
step_app()
