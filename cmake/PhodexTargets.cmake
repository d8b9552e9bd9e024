# SPDX-License-Identifier: MIT
# One static library per layer folder: every .cpp of the folder and its
# subfolders belongs to it, so adding a file never needs a CMake edit.
function(phodex_add_layer name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  set(code ${sources})
  list(FILTER code INCLUDE REGEX "\\.cpp$")
  if(code)
    add_library(phodex_${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    # A layer that has no code yet still takes part in the dependency chain.
    add_library(phodex_${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(phodex_${name} ${scope} ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(phodex_${name} ${scope} ${ARG_DEPS})
endfunction()

# The tests read the programs' Chinese texts: the programs they start find a
# Chinese desktop whatever the machine's own language. A test that wants
# another language sets it for the program it starts.
set(PHODEX_TEST_LANGUAGE "LANGUAGE=zh_CN")

# One test program per folder of tests: every *_test.cpp in it.
function(phodex_add_test_folder name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(test_${name} PRIVATE
    PHODEX_FIXTURES="${PROJECT_SOURCE_DIR}/tests/fixtures")
  # Labelled by the folder below tests/ (unit, sites, ui, browser, cli), so
  # that a quick run can pick the fast kinds.
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" kind "${folder}")
  gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 300 LABELS ${kind} ENVIRONMENT ${PHODEX_TEST_LANGUAGE})
endfunction()
