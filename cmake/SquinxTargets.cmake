# Helpers shared by every folder's CMakeLists.txt, so each area declares
# its own targets without touching the top-level file.

set(SQUINX_WARNINGS -Wall -Wextra)

# A cross-built test program lists its tests under the emulator (Wine), which
# is slow to start: listed when the tests run, not after every link.
set(SQUINX_GTEST_DISCOVERY)
if(CMAKE_CROSSCOMPILING)
    set(SQUINX_GTEST_DISCOVERY DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
endif()

# Test sources need neither optimisation nor the sanitizers' instrumentation:
# the code under test keeps both, and the tests, about 60 % of what a build
# compiles, build in a fraction of the time.
function(squinx_test_code name)
    target_compile_options(${name} PRIVATE -O0)
    if(SQUINX_SANITIZE)
        target_compile_options(${name} PRIVATE -fno-sanitize=all)
        target_compile_definitions(${name} PRIVATE SQUINX_SANITIZED)
    endif()
endfunction()

# A library of toolkit-free code: no wx include, unit-tested without a display.
function(squinx_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_compile_options(${name} PRIVATE ${SQUINX_WARNINGS})
endfunction()

# Window classes and other toolkit code; collected into one library.
function(squinx_gui_sources)
    foreach(src ${ARGN})
        set_property(GLOBAL APPEND PROPERTY SQUINX_GUI_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${src})
    endforeach()
endfunction()

# Core libraries the GUI library links against.
function(squinx_gui_links)
    set_property(GLOBAL APPEND PROPERTY SQUINX_GUI_LINKS ${ARGN})
endfunction()

# Every unit-test executable, so a build folder can make just these (the
# sanitizer run of `make test` needs no GUI library).
add_custom_target(unit-tests)

# Test programs under Wine find the build machine's files on its drive Z:.
set(SQUINX_TEST_SOURCE_DIR ${PROJECT_SOURCE_DIR})
if(CMAKE_CROSSCOMPILING AND WIN32)
    set(SQUINX_TEST_SOURCE_DIR Z:${PROJECT_SOURCE_DIR})
endif()

# What every unit-test source is compiled with.
function(squinx_unit_test_code name)
    target_link_libraries(${name} PRIVATE GTest::gtest)
    target_compile_options(${name} PRIVATE ${SQUINX_WARNINGS})
    squinx_test_code(${name})
    target_compile_definitions(${name} PRIVATE
        SQUINX_TEST_DATA_DIR="${SQUINX_TEST_SOURCE_DIR}/tests/data"
        SQUINX_DATA_DIR="${SQUINX_TEST_SOURCE_DIR}/data")
endfunction()

# Parsing GoogleTest's header and the standard library's took about half of
# each unit-test source's compile time: one precompiled header, made once,
# serves every unit-test program.
file(WRITE ${CMAKE_BINARY_DIR}/unit_test_pch.cpp "")
add_library(squinx_unit_test_pch OBJECT ${CMAKE_BINARY_DIR}/unit_test_pch.cpp)
squinx_unit_test_code(squinx_unit_test_pch)
target_precompile_headers(squinx_unit_test_pch PRIVATE
    <gtest/gtest.h> <algorithm> <cmath> <cstdint> <cstdio> <filesystem> <fstream> <string> <vector>)

# A unit-test executable for toolkit-free code. Usage:
#   squinx_unit_tests(name SOURCES a.cpp b.cpp LIBS model_core)
function(squinx_unit_tests name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    add_dependencies(unit-tests ${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
    squinx_unit_test_code(${name})
    target_precompile_headers(${name} REUSE_FROM squinx_unit_test_pch)
    gtest_discover_tests(${name} ${SQUINX_GTEST_DISCOVERY} PROPERTIES TIMEOUT 60 LABELS unit)
endfunction()

# Test sources that drive the real windows; they run in one executable under Xvfb.
function(squinx_gui_test_sources)
    foreach(src ${ARGN})
        set_property(GLOBAL APPEND PROPERTY SQUINX_GUI_TEST_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${src})
    endforeach()
endfunction()

# A benchmark executable (Google Benchmark), built by the bench target only.
function(squinx_benchmark name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} EXCLUDE_FROM_ALL ${B_SOURCES})
    target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
    target_compile_options(${name} PRIVATE ${SQUINX_WARNINGS})
    add_dependencies(bench-build ${name})
    set_property(GLOBAL APPEND PROPERTY SQUINX_BENCHMARKS ${name})
endfunction()
