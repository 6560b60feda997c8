# The public face of the project's shared libraries, checked from their
# dynamic symbol tables (ctest runs this as a CMake script).
#
#   cmake -DNM=nm -DLIBRARY=<lib> -DEXPECTED=<list file> [-DUPDATE=ON] -P checksymbols.cmake
#       compares the library's exported names with the checked-in list (UPDATE
#       rewrites the list instead);
#   cmake -DNM=nm -DFOREIGN=<file> -P checksymbols.cmake
#       fails when the file defines any class of the runtime: a program or a
#       control that links the runtime must not carry a copy of it.
#
# The project's own exports are the strong definitions (text, data, bss,
# read-only) and the type information and virtual tables of its classes.
# Dropped: the linker's own markers and AddressSanitizer's, and weak (vague linkage) symbols, which are
# inline functions and template instantiations; with hidden visibility those of
# the project are not exported at all, and what remains of them (Qt's and the
# standard library's) is no part of the project's face.

function(exported_names library out)
    execute_process(COMMAND ${NM} -D --defined-only --demangle ${library}
        OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${NM} could not read ${library}")
    endif()
    string(REPLACE ";" "\\;" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    set(names)
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^[0-9a-f]+ ([A-Za-z]) (.*)$")
            continue()
        endif()
        set(kind ${CMAKE_MATCH_1})
        set(name "${CMAKE_MATCH_2}")
        # AddressSanitizer adds a marker beside each global it guards.
        if(name MATCHES "^(__bss_start|_edata|_end|_init|_fini)$" OR name MATCHES "^__odr_asan")
            continue()
        endif()
        if(kind MATCHES "^[TDBR]$")
            list(APPEND names "${name}")
        elseif(kind STREQUAL "V" AND name MATCHES "^(vtable|typeinfo|typeinfo name) for "
               AND NOT name MATCHES " for (Q|std::|__gnu)")
            list(APPEND names "${name}")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES names)
    list(SORT names)
    set(${out} "${names}" PARENT_SCOPE)
endfunction()

if(DEFINED FOREIGN)
    # Every class of the runtime, by its own name, its type information or its
    # virtual table.
    set(classes PictureBox TextBox ListBox CommandButton OptionButton Frame Timer MessageBox
        FilePropertyBag MemoryPropertyBag ControlRegistry Scale)
    list(JOIN classes "|" alternatives)
    execute_process(COMMAND ${NM} --defined-only --demangle ${FOREIGN}
        OUTPUT_VARIABLE text RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${NM} could not read ${FOREIGN}")
    endif()
    string(REGEX MATCHALL "\n[0-9a-f]+ [A-Za-z] ((vtable|typeinfo|typeinfo name) for )?Formkit::(${alternatives})(::[^\n]*)?\n"
        found "\n${text}")
    # MATCHALL does not overlap matches; one is enough to fail.
    if(found)
        string(REPLACE ";" "" found "${found}")
        message(FATAL_ERROR "${FOREIGN} defines classes of the runtime itself:${found}")
    endif()
    message(STATUS "${FOREIGN}: no class of the runtime defined")
    return()
endif()

exported_names(${LIBRARY} actual)
if(UPDATE)
    list(JOIN actual "\n" text)
    file(WRITE ${EXPECTED} "${text}\n")
    message(STATUS "wrote ${EXPECTED}")
    return()
endif()
file(STRINGS ${EXPECTED} expected)
set(added ${actual})
list(REMOVE_ITEM added ${expected})
set(removed ${expected})
list(REMOVE_ITEM removed ${actual})
if(added OR removed)
    set(report "")
    foreach(name IN LISTS added)
        string(APPEND report "\n  + ${name}")
    endforeach()
    foreach(name IN LISTS removed)
        string(APPEND report "\n  - ${name}")
    endforeach()
    message(FATAL_ERROR "${LIBRARY} exports other names than ${EXPECTED}:${report}\n"
        "(if the change is meant, rebuild the list with -DUPDATE=ON)")
endif()
list(LENGTH actual count)
message(STATUS "${LIBRARY}: ${count} exported names, as listed")
