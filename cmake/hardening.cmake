# Two ways of building the suite to find memory and undefined-behaviour
# faults; the normal build uses neither.
#
#   -DAQUENDOR_SANITIZE=ON  everything with AddressSanitizer and
#                           UndefinedBehaviorSanitizer (g++ or clang); the
#                           whole test suite runs on it (scripts/test-sanitized.sh).
#   -DAQUENDOR_FUZZ=ON      clang only: the libraries instrumented for
#                           libFuzzer, and the fuzz targets in fuzz/
#                           (scripts/fuzz.sh). Tests and tools are left out.
option(AQUENDOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(AQUENDOR_FUZZ "Build the libFuzzer targets in fuzz/ (clang)" OFF)

set(AQUENDOR_SANITIZER_FLAGS
  -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

if(AQUENDOR_SANITIZE)
  add_compile_options(${AQUENDOR_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()

if(AQUENDOR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "AQUENDOR_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link ${AQUENDOR_SANITIZER_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()
