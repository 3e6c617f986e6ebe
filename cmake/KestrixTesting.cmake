# GoogleTest from the sources Debian's googletest package installs, built with
# whatever compiler this tree uses (g++, clang or the MinGW cross compilers).
set(KS_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${KS_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

enable_testing()

if(CMAKE_CROSSCOMPILING)
  # One Wine prefix per build tree, made by the first test and kept alive by one
  # persistent wineserver for the whole run.
  set(KS_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${KS_WINEPREFIX})
  add_test(NAME wine_prefix_up COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh up ${KS_WINEPREFIX})
  add_test(NAME wine_prefix_down COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh down ${KS_WINEPREFIX})
  set_tests_properties(wine_prefix_up PROPERTIES FIXTURES_SETUP wine LABELS wine)
  set_tests_properties(wine_prefix_down PROPERTIES FIXTURES_CLEANUP wine LABELS wine)
endif()

# ks_add_gtest(<name> SOURCES <files...> [LIBS <targets...>] [ARGS <args...>] [RESOURCE_LOCK <name>])
# One test executable is one ctest entry; under Wine it runs in the build tree's prefix.
function(ks_add_gtest name)
  cmake_parse_arguments(T "" "RESOURCE_LOCK" "SOURCES;LIBS;ARGS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
  add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
  if(CMAKE_CROSSCOMPILING)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine LABELS wine)
  endif()
  if(T_RESOURCE_LOCK)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK ${T_RESOURCE_LOCK})
  endif()
endfunction()
