# Helpers for declaring tests. Every test gets a TIMEOUT so nothing can hang a run.
find_package(GTest REQUIRED)
include(GoogleTest)

# quintaro_gtest(<name> SOURCES <files...> LIBS <libs...> [TIMEOUT <seconds>])
function(quintaro_gtest name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT ${ARG_TIMEOUT})
endfunction()

# quintaro_qtest(<name> SOURCES <files...> LIBS <libs...> [TIMEOUT <seconds>])
# Qt Test programs run on the offscreen platform with a 1:1 device pixel ratio.
function(quintaro_qtest name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1;QT_ENABLE_HIGHDPI_SCALING=0;QUINTARO_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots"
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# quintaro_wm_qtest(<name> SOURCES <files...> LIBS <libs...> [TIMEOUT <seconds>])
# Qt Test programs run on their own X server with a window manager (Xvfb and openbox,
# through tests/ui/run_with_window_manager.sh); skipped where those are not installed.
function(quintaro_wm_qtest name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
    add_test(NAME ${name}
        COMMAND ${PROJECT_SOURCE_DIR}/tests/ui/run_with_window_manager.sh $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        SKIP_RETURN_CODE 77
        ENVIRONMENT "QT_SCALE_FACTOR=1;QT_ENABLE_HIGHDPI_SCALING=0;QUINTARO_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots"
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
