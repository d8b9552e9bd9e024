# SPDX-License-Identifier: MIT
add_compile_options(-Wall -Wextra)
if(PHODEX_WERROR)
  add_compile_options(-Werror)
endif()
if(PHODEX_SANITIZE)
  # -O1 shortens the sanitized test run without hiding what the sanitizers
  # look for; frame pointers keep the reports' stacks whole.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined -O1)
  add_link_options(-fsanitize=address,undefined)
endif()
if(PHODEX_TSAN)
  if(PHODEX_SANITIZE)
    message(FATAL_ERROR "ThreadSanitizer cannot be combined with AddressSanitizer")
  endif()
  # -O1 keeps the race detector's runs bearable; frame pointers keep its stacks whole.
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer -O1)
  add_link_options(-fsanitize=thread)
endif()
