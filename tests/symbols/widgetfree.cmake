# The programs named load no widget library: neither Qt Widgets nor Formkit's
# widget layer is among what the dynamic loader maps for them (ldd lists what
# each links, directly and through its libraries). Run by ctest as
#
#   cmake "-DPROGRAMS=<program>;<program>..." -P widgetfree.cmake
if(NOT PROGRAMS)
    message(FATAL_ERROR "no program to check")
endif()
set(failures "")
foreach(program IN LISTS PROGRAMS)
    execute_process(COMMAND ldd ${program} OUTPUT_VARIABLE libraries RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "ldd could not read ${program}")
    endif()
    string(REGEX MATCHALL "lib(Qt6Widgets|formkitwidgets)[^ \n]*" found "${libraries}")
    if(found)
        list(REMOVE_DUPLICATES found)
        string(APPEND failures "\n  ${program}: ${found}")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "programs that claim to need no widgets load widget libraries:${failures}")
endif()
list(LENGTH PROGRAMS count)
message(STATUS "${count} widget-free programs load no widget library")
