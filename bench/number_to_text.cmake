# Number to text against the C library and std::to_chars.
target_sources(quillorn_bench_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/number_to_text_bench.cpp)
