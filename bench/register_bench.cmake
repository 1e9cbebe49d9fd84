# The register on one month of 10,000 records: load, header sorts, redraw.
# Run: ./register_bench [RECORDS] [RUNS]
qt_add_executable(register_bench ${CMAKE_CURRENT_LIST_DIR}/register_bench.cpp)
target_link_libraries(register_bench PRIVATE orrinwick_gui)
set_target_properties(register_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
