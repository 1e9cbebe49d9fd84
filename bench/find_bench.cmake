# Find over a year of many items: each keystroke's search and the window's
# answer to it, beside a search that folds the texts at every keystroke.
# Run: ./find_bench [ENTRIES] [RUNS]
qt_add_executable(find_bench ${CMAKE_CURRENT_LIST_DIR}/find_bench.cpp)
target_link_libraries(find_bench PRIVATE bench_generator orrinwick_gui)
set_target_properties(find_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
