# SPDX-License-Identifier: MIT
# Warnings for our own targets only, errors with ZEPT_WERROR; sanitizers go on
# every target of the build so that the library and its tests agree on the
# runtime.
function(zept_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wnon-virtual-dtor)
  if(ZEPT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

function(zept_sanitize target)
  if(ZEPT_SANITIZE)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
