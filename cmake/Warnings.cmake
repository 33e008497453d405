# Our own targets build warning-free; third-party code (GoogleTest) is left
# with its own flags.
function(quillon_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
