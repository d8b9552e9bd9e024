# SPDX-License-Identifier: MIT
# Precompiled headers: the Qt, standard library, GoogleTest and fake-site
# headers that nearly every file includes cost more to parse than most files'
# own code, so each target parses them once. Test programs on the fake sites
# share one set, made for the site-test library.
set(PHODEX_PCH_CORE
    <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QObject> <QString>
    <QStringList> <QUrl> <algorithm> <atomic> <chrono> <functional> <map> <memory> <mutex>
    <optional> <string> <vector>)
set(PHODEX_PCH_WIDGETS
    <QApplication> <QComboBox> <QDialog> <QLabel> <QLineEdit> <QPushButton> <QVBoxLayout>
    <QWidget>)
set(PHODEX_PCH_TESTS <QTemporaryDir> <gtest/gtest.h>)

# phodex_precompile(<target> [WIDGETS] [TESTS] [FAKE_SITES] [ALONE]): the
# headers of the kinds of code the target holds. With GCC the first target of
# each kind makes them and the later ones reuse that set. GCC takes a set only
# where every macro it was made with is defined alike (further ones are fine),
# so the first target of a kind must be the one with the fewest -D options;
# -Winvalid-pch makes any mismatch an error. ALONE: the target makes a set of
# its own (a macro of its own has another value). Clang rejects any difference
# in -D options, so there each target makes its own.
function(phodex_precompile target)
  cmake_parse_arguments(ARG "WIDGETS;TESTS;FAKE_SITES;ALONE" "" "" ${ARGN})
  set(headers ${PHODEX_PCH_CORE})
  set(kind core)
  if(ARG_WIDGETS)
    list(APPEND headers ${PHODEX_PCH_WIDGETS})
    string(APPEND kind _widgets)
  endif()
  if(ARG_TESTS)
    list(APPEND headers ${PHODEX_PCH_TESTS})
    string(APPEND kind _tests)
  endif()
  if(ARG_FAKE_SITES)
    list(APPEND headers <httplib.h>)
    string(APPEND kind _fake_sites)
  endif()
  get_property(maker GLOBAL PROPERTY PHODEX_PCH_${kind})
  if(maker AND NOT ARG_ALONE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_precompile_headers(${target} REUSE_FROM ${maker})
  else()
    target_precompile_headers(${target} PRIVATE ${headers})
    if(NOT maker AND NOT ARG_ALONE)
      set_property(GLOBAL PROPERTY PHODEX_PCH_${kind} ${target})
    endif()
  endif()
endfunction()

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
  if(code)
    if(Qt6::Widgets IN_LIST ARG_DEPS)
      phodex_precompile(phodex_${name} WIDGETS)
    else()
      phodex_precompile(phodex_${name})
    endif()
  endif()
endfunction()

# The tests read the programs' Chinese texts: the programs they start find a
# Chinese desktop whatever the machine's own language. A test that wants
# another language sets it for the program it starts.
set(PHODEX_TEST_LANGUAGE "LANGUAGE=zh_CN")

# One test program per folder of tests: every *_test.cpp in it. ON_FAKE_SITES:
# its tests run against the fake sites, and it shares the site-test library's
# precompiled headers, which hold the fake-site server's.
function(phodex_add_test_folder name)
  cmake_parse_arguments(ARG "ON_FAKE_SITES" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  if(ARG_ON_FAKE_SITES)
    phodex_precompile(test_${name} TESTS FAKE_SITES)
  else()
    phodex_precompile(test_${name} TESTS)
  endif()
  # Labelled by the folder below tests/ (unit, sites, ui, browser, cli), so
  # that a quick run can pick the fast kinds.
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REGEX REPLACE "/.*" "" kind "${folder}")
  gtest_discover_tests(test_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 300 LABELS ${kind} ENVIRONMENT ${PHODEX_TEST_LANGUAGE})
endfunction()
