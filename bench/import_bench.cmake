# A 10,000-line statement into a budget of 100,000 entries: read, plan, add.
# Run: ./import_bench [ENTRIES] [LINES] [RUNS]
add_executable(import_bench ${CMAKE_CURRENT_LIST_DIR}/import_bench.cpp)
target_link_libraries(import_bench PRIVATE bench_generator)
set_target_properties(import_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
