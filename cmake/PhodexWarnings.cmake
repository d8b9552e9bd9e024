# SPDX-License-Identifier: MIT
add_compile_options(-Wall -Wextra)
if(PHODEX_WERROR)
  add_compile_options(-Werror)
endif()
if(PHODEX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
