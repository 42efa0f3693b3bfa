# Warnings are errors for our own targets only; sanitizers go on every target
# of the build so that the library and its tests agree on the runtime.
function(zept_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

function(zept_sanitize target)
  if(ZEPT_SANITIZE)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
