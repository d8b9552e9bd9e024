# SPDX-License-Identifier: MIT
add_compile_options(-Wall -Wextra)
if(PHODEX_WERROR)
  add_compile_options(-Werror)
endif()
if(PHODEX_SANITIZE)
  # -O1 shortens the sanitized test run without hiding what the sanitizers
  # look for; frame pointers keep the reports' stacks whole, and their file
  # and line numbers need only the line tables (-g1), which compile a quarter
  # faster than full debug information.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -O1 -g1)
  add_link_options(-fsanitize=address,undefined)
endif()
if(PHODEX_TSAN)
  if(PHODEX_SANITIZE)
    message(FATAL_ERROR "ThreadSanitizer cannot be combined with AddressSanitizer")
  endif()
  # -O1 keeps the race detector's runs bearable; frame pointers and line
  # tables keep its stacks whole.
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer -O1 -g1)
  add_link_options(-fsanitize=thread)
  file(READ ${PROJECT_SOURCE_DIR}/tests/tsan.supp PHODEX_TSAN_SUPPRESSIONS)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/tests/tsan.supp)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/tsansuppressions.cpp.in
                 ${PROJECT_BINARY_DIR}/tsansuppressions.cpp @ONLY)
  add_library(phodex_tsan_suppressions OBJECT ${PROJECT_BINARY_DIR}/tsansuppressions.cpp)
  # Every program made after this line carries them.
  link_libraries(phodex_tsan_suppressions)
endif()
