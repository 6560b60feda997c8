# The example host built against an installed prefix alone, as a third-party
# developer builds it, then run twice: the second run must get back the move
# style that the first run chose and saved.
#
#   cmake -DPREFIX=<installed prefix> -DSOURCE=<examples/lumiview> -DWORK=<scratch folder>
#         -DPICTURE=<picture> -P lumiview.cmake
foreach(var PREFIX SOURCE WORK PICTURE)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "lumiview.cmake: ${var} is not set")
    endif()
endforeach()

function(run what)
    execute_process(${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "${what} failed (${rc}):\n${out}\n${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/home)

# Only the prefix: no package registry, no build tree, no library path.
run("configuring examples/lumiview"
    COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH --unset=CMAKE_PREFIX_PATH
            ${CMAKE_COMMAND} -S ${SOURCE} -B ${WORK}/build -DCMAKE_PREFIX_PATH=${PREFIX}
            -DCMAKE_FIND_USE_PACKAGE_REGISTRY=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo)
run("building examples/lumiview" COMMAND ${CMAKE_COMMAND} --build ${WORK}/build)
file(STRINGS ${WORK}/build/CMakeCache.txt lumivane_dir REGEX "^Lumivane_DIR:")
if(NOT lumivane_dir MATCHES "${PREFIX}/")
    message(FATAL_ERROR "Lumivane was found outside the prefix: ${lumivane_dir}")
endif()

# Run offscreen in an empty home, the settings where QStandardPaths puts them.
set(lumiview ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH --unset=BRIMLOW_CONTROL_REGISTRY
    --unset=XDG_CONFIG_HOME HOME=${WORK}/home QT_QPA_PLATFORM=offscreen
    ASAN_OPTIONS=detect_leaks=0 ${WORK}/build/lumiview)
run("the first run" COMMAND ${lumiview} --move-style wireframe --quit ${PICTURE})
# The logo's top-left pixel is grey 190, 190, 190.
if(NOT out STREQUAL "move style WireFrame, see-through colour BEBEBE\n")
    message(FATAL_ERROR "the first run printed: ${out}")
endif()
set(settings ${WORK}/home/.config/lumiview/lumiview.bag)
if(NOT EXISTS ${settings})
    message(FATAL_ERROR "the first run kept no settings in ${settings}")
endif()
run("the second run" COMMAND ${lumiview} --quit ${PICTURE})
if(NOT out STREQUAL "move style WireFrame, see-through colour BEBEBE\n")
    message(FATAL_ERROR "the second run did not restore the settings; it printed: ${out}")
endif()

# A settings file given by option, and a third run that changes it again.
run("a run with --settings"
    COMMAND ${lumiview} --settings ${WORK}/mine.bag --move-style both --quit ${PICTURE})
run("a run that reads it"
    COMMAND ${lumiview} --settings ${WORK}/mine.bag --quit ${PICTURE})
if(NOT out MATCHES "^move style Both,")
    message(FATAL_ERROR "--settings did not keep the move style; it printed: ${out}")
endif()
message(STATUS "lumiview built against ${PREFIX} and kept its settings between runs")
