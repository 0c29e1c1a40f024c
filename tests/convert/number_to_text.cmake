# Rounding, number to text and joining.
quillorn_add_test(round_to_test GTEST_MAIN SOURCES round_to_test.cpp LIBS quillorn::core)

quillorn_add_test(number_to_text_test GTEST_MAIN
  SOURCES number_to_text_test.cpp $<TARGET_OBJECTS:quillorn_test_locale>
  LIBS quillorn::core)
quillorn_add_comma_locale_run(number_to_text_test)

quillorn_add_test(join_texts_test GTEST_MAIN
  SOURCES join_texts_test.cpp $<TARGET_OBJECTS:quillorn_test_locale>
  LIBS quillorn::core)
quillorn_add_comma_locale_run(join_texts_test)

if(QUILLORN_LONG_TESTS)
  target_compile_definitions(number_to_text_test PRIVATE QUILLORN_LONG_TESTS=1)
endif()
