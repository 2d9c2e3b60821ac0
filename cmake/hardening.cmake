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

# The hardening Debian builds its packages with: fortified string and memory
# functions, a strong stack protector, format-string checks, full RELRO and
# every symbol bound at start (BIND_NOW). Taken from dpkg-buildflags where
# it exists (with all hardening features), else the same flags by hand. The
# distribution's optimisation, debug and path-mapping flags are left out:
# the build type chooses those. Only optimised builds get the flags, since
# fortification works only with optimisation; the sanitizer and fuzzing
# builds get none, and fortification is switched off there explicitly
# because its checked functions hide accesses from AddressSanitizer.
option(AQUENDOR_HARDENING "Build optimised binaries with the distribution's hardening flags" ON)

function(aquendor_hardening_flags compile_out link_out)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
      if(failed)
        set(${kind} "")
      endif()
      separate_arguments(${kind} UNIX_COMMAND "${${kind}}")
    endforeach()
  endif()
  if(NOT CPPFLAGS AND NOT CXXFLAGS)
    set(CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(LDFLAGS -Wl,-z,relro -Wl,-z,now)
  endif()
  set(compile ${CPPFLAGS} ${CXXFLAGS})
  list(FILTER compile EXCLUDE REGEX "^-(g.*|O.*|f(file|debug|macro)-prefix-map=.*)$")
  list(FILTER LDFLAGS EXCLUDE REGEX "^-(g.*|O.*)$")
  set(${compile_out} ${compile} PARENT_SCOPE)
  set(${link_out} ${LDFLAGS} PARENT_SCOPE)
endfunction()

if(AQUENDOR_SANITIZE OR AQUENDOR_FUZZ)
  add_compile_options(-U_FORTIFY_SOURCE)
elseif(AQUENDOR_HARDENING)
  aquendor_hardening_flags(AQUENDOR_HARDENING_COMPILE AQUENDOR_HARDENING_LINK)
  set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
  foreach(flag IN LISTS AQUENDOR_HARDENING_COMPILE)
    add_compile_options("$<${optimised}:${flag}>")
  endforeach()
  foreach(flag IN LISTS AQUENDOR_HARDENING_LINK)
    add_link_options("$<${optimised}:${flag}>")
  endforeach()
  message(STATUS "Hardening of optimised builds: ${AQUENDOR_HARDENING_COMPILE} ${AQUENDOR_HARDENING_LINK}")
endif()
