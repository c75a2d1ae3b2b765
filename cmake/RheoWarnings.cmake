# SPDX-License-Identifier: MIT
# Every target of the project compiles with the same warnings; CI makes them errors.
function(rheo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(RHEO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
