# The calculation: the value steps and one whole click on a typical row.
target_sources(quillorn_bench_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/hedge_bench.cpp)
