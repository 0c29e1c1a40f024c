# Figures must come out the same on every compiler and processor: no contraction into fused
# multiply-add, no fast-math, SSE2 arithmetic on x86 (never the x87 unit).
add_compile_options(-ffp-contract=off -fno-fast-math)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  add_compile_options(-msse2 -mfpmath=sse)
endif()

# AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer; every finding stops the
# program. float-cast-overflow is named because g++ leaves it out of "undefined": a double beyond
# the range of the integer it is converted to is exactly the fault that odd inputs provoke.
# Division by zero stays allowed: 100 / 0 is infinity by design.
if(QUILLORN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

# libFuzzer: coverage instrumentation and the sanitizers for everything the harnesses link; the
# harnesses add -fsanitize=fuzzer themselves (fuzz/CMakeLists.txt).
if(QUILLORN_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUILLORN_FUZZ needs clang with libFuzzer: -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined,float-cast-overflow
                      -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

# Strict warnings for the project's own targets.
function(quillorn_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion
                                           -Wshadow -Wnon-virtual-dtor -Wold-style-cast)
  if(QUILLORN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
