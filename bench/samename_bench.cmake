# Reading a budget of many categories with one name.
# Run: ./samename_bench [LARGEST]
add_executable(samename_bench ${CMAKE_CURRENT_LIST_DIR}/samename_bench.cpp)
target_link_libraries(samename_bench PRIVATE orrinwick_core)
set_target_properties(samename_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
