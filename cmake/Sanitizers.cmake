# Instrumented builds, set at configure time. Include this file before the
# first target is defined: the flags apply to every target after it.
#
#   -DZENTROVA_SANITIZE=address,undefined   the whole program and its tests
#                                           with those sanitizers
#   -DZENTROVA_FUZZ=ON                      the libFuzzer targets of
#                                           tests/fuzz (clang only), with
#                                           address,undefined unless set
set(ZENTROVA_SANITIZE "" CACHE STRING
    "Comma-separated sanitizers for the whole build, e.g. address,undefined (empty: none)")
option(ZENTROVA_FUZZ "Build the libFuzzer targets of tests/fuzz (needs clang)" OFF)

set(zentrova_sanitizers "${ZENTROVA_SANITIZE}")
if(ZENTROVA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZENTROVA_FUZZ needs clang's libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT zentrova_sanitizers)
    set(zentrova_sanitizers "address,undefined")
  endif()
  # Coverage feedback for libFuzzer in all code; only the fuzz programs
  # themselves link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(zentrova_sanitizers)
  if(MSVC)
    message(FATAL_ERROR "ZENTROVA_SANITIZE is for GCC and clang")
  endif()
  # Every finding stops the program, so a test can't pass over one; the
  # standard library's own checks catch indexing within a string's capacity,
  # which ASan can't see.
  add_compile_options(-fsanitize=${zentrova_sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_link_options(-fsanitize=${zentrova_sanitizers})

  # Sanitizer options and the leak suppressions for third-party libraries are
  # compiled into every program, so that ctest, a debugger or a plain run
  # all behave the same without environment variables.
  set(zentrova_lsan_supp "${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp")
  file(READ "${zentrova_lsan_supp}" ZENTROVA_LSAN_SUPPRESSIONS)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${zentrova_lsan_supp}")
  configure_file("${PROJECT_SOURCE_DIR}/tests/sanitizers/LsanSuppressions.h.in"
                 "${PROJECT_BINARY_DIR}/sanitizers/LsanSuppressions.h" @ONLY)
  add_library(zentrova_sanitizer_defaults OBJECT "${PROJECT_SOURCE_DIR}/tests/sanitizers/SanitizerDefaults.cpp")
  target_include_directories(zentrova_sanitizer_defaults PRIVATE "${PROJECT_BINARY_DIR}/sanitizers")
  target_link_libraries(zentrova_sanitizer_defaults PRIVATE zentrova_warnings)

  function(zentrova_link_sanitizer_defaults directory)
    get_property(targets DIRECTORY "${directory}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "EXECUTABLE")
        target_link_libraries(${target} PRIVATE zentrova_sanitizer_defaults)
      endif()
    endforeach()
    get_property(subdirectories DIRECTORY "${directory}" PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
      zentrova_link_sanitizer_defaults("${subdirectory}")
    endforeach()
  endfunction()
  # Once every directory is read, all executables are known.
  cmake_language(DEFER DIRECTORY "${PROJECT_SOURCE_DIR}"
                 CALL zentrova_link_sanitizer_defaults "${PROJECT_SOURCE_DIR}")
endif()
