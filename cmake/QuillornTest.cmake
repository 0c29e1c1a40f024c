find_package(GTest REQUIRED)

# quillorn_add_test(name SOURCES a.cpp b.cpp LIBS lib... [LABELS l...] [GTEST_MAIN])
# One executable, strict warnings, one CTest entry.
function(quillorn_add_test name)
  cmake_parse_arguments(ARG "GTEST_MAIN" "" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  quillorn_strict(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(ARG_GTEST_MAIN)
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  endif()
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
  if(ARG_ENVIRONMENT)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
endfunction()

# quillorn_add_comma_locale_run(test): the same test program once more under a locale whose
# decimal separator is a comma. The program must link quillorn_test_locale.
set(QUILLORN_COMMA_LOCALE "de_DE.UTF-8" CACHE STRING "A locale with a decimal comma")
function(quillorn_add_comma_locale_run name)
  add_test(NAME ${name}_comma_locale COMMAND ${name})
  set_tests_properties(${name}_comma_locale PROPERTIES
                       ENVIRONMENT "QUILLORN_TEST_LOCALE=${QUILLORN_COMMA_LOCALE}")
endfunction()
