# Runs quintaro-advise with ARGS (a ;-list), standard input from INPUT (or
# none), and checks the exit status against STATUS and, when EXPECTED is given,
# standard output against that file.
if(INPUT)
    execute_process(COMMAND ${PROGRAM} ${ARGS} INPUT_FILE ${INPUT}
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
else()
    execute_process(COMMAND ${PROGRAM} ${ARGS}
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
endif()
if(NOT rc EQUAL STATUS)
    message(FATAL_ERROR "exit status ${rc}, expected ${STATUS}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(EXPECTED)
    file(READ ${EXPECTED} want)
    if(NOT out STREQUAL want)
        message(FATAL_ERROR "output differs\n--- got:\n${out}--- expected:\n${want}")
    endif()
endif()
if(CONTAINS)
    foreach(text IN LISTS CONTAINS)
        string(FIND "${out}" "${text}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "output lacks \"${text}\"\n${out}")
        endif()
    endforeach()
endif()
