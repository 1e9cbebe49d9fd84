# The recovery write at 100,000 entries: what the window thread pays for it.
# Run: ./recovery_bench [ENTRIES] [RUNS]
add_executable(recovery_bench ${CMAKE_CURRENT_LIST_DIR}/recovery_bench.cpp)
target_link_libraries(recovery_bench PRIVATE bench_generator)
set_target_properties(recovery_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
