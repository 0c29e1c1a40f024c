# Figures must come out the same on every compiler and processor: no contraction into fused
# multiply-add, no fast-math, SSE2 arithmetic on x86 (never the x87 unit).
add_compile_options(-ffp-contract=off -fno-fast-math)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(QUILLORN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Strict warnings for the project's own targets.
function(quillorn_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion
                                           -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
  if(QUILLORN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
