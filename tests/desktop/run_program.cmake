# Runs PROGRAM with ARGS (a ;-list) without any display (no DISPLAY, WAYLAND_DISPLAY or Qt
# platform), and checks the exit status against STATUS, that standard output holds every
# text of OUT and standard error every text of ERR, and that a stream with nothing expected
# of it stays empty.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=QT_QPA_PLATFORM ${PROGRAM} ${ARGS}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL STATUS)
    message(FATAL_ERROR "exit status ${rc}, expected ${STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
foreach(stream out err)
    string(TOUPPER ${stream} wanted)
    if(NOT ${wanted} AND NOT "${${stream}}" STREQUAL "")
        message(FATAL_ERROR "std${stream} should be empty:\n${${stream}}")
    endif()
    foreach(text IN LISTS ${wanted})
        string(FIND "${${stream}}" "${text}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "std${stream} lacks \"${text}\":\n${${stream}}")
        endif()
    endforeach()
endforeach()
