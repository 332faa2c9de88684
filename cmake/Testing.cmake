# Test, fuzz and benchmark targets. Every module's folder under tests/ calls
# the three functions below; each does nothing in a build it does not belong to.
include(CTest)

if(REPAIR_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(BUILD_TESTING AND NOT REPAIR_FUZZ)
  # GoogleTest from Debian's source package, built with this tree's flags so
  # the same sources serve the mingw and the sanitizer builds.
  set(REPAIR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${REPAIR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/_googletest EXCLUDE_FROM_ALL SYSTEM)
  include(GoogleTest)
endif()

# repair_add_test(NAME sources... [LIBS libs...] [LOCK name])
# One test program; its cases are listed when ctest runs (under Wine in the
# windows build), so building never needs Wine.
function(repair_add_test name)
  if(NOT BUILD_TESTING OR REPAIR_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "LOCK" "LIBS" ${ARGN})
  if(NOT T_LOCK)
    set(T_LOCK ${name})
  endif()
  add_executable(${name} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    # Cases of one program share the files beside it: they run one at a
    # time, programs in parallel (unless they name a common LOCK).
    PROPERTIES TIMEOUT 300 RESOURCE_LOCK ${T_LOCK})
endfunction()

# repair_add_fuzzer(NAME sources... [LIBS libs...]) - libFuzzer, clang only.
function(repair_add_fuzzer name)
  if(NOT REPAIR_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "" "LIBS" ${ARGN})
  add_executable(${name} ${F_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()

# repair_add_benchmark(NAME sources... [LIBS libs...]) - Google Benchmark, native.
function(repair_add_benchmark name)
  if(REPAIR_WINDOWS OR REPAIR_FUZZ OR NOT REPAIR_BENCH OR NOT TARGET benchmark::benchmark)
    return()
  endif()
  cmake_parse_arguments(B "" "" "LIBS" ${ARGN})
  add_executable(${name} ${B_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
endfunction()
