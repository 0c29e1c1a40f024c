# Text to number against std::from_chars and strtod, and on texts of up to 10 MB.
target_sources(quillorn_bench_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/to_number_bench.cpp)
