# Text to number: the table of cases, the folding, long texts, and the random comparisons with
# std::from_chars (ties, 24-digit rounding, full-width forms).
quillorn_add_test(to_number_test GTEST_MAIN
  SOURCES to_number_test.cpp to_number_property_test.cpp $<TARGET_OBJECTS:quillorn_test_locale>
  LIBS quillorn::core)
if(QUILLORN_LONG_TESTS)
  target_compile_definitions(to_number_test PRIVATE QUILLORN_LONG_TESTS=1)
endif()
quillorn_add_comma_locale_run(to_number_test)
