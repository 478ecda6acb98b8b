# Checks the data folder that the asset maker (tools/) lays out beside the
# program, and the asset maker's handling of bad text sources.
find_package(Qt6 REQUIRED COMPONENTS Gui)

add_executable(data_folder_tests ${CMAKE_CURRENT_LIST_DIR}/DataFolderTest.cpp)
target_link_libraries(data_folder_tests PRIVATE Qt6::Gui)
target_compile_definitions(data_folder_tests PRIVATE SUDOKU_DATA_DIR="${SUDOKU_OUTPUT_DIR}")
if(TARGET sudoku_data)
  add_dependencies(data_folder_tests sudoku_data)
endif()
if(TARGET sudoku_assets)
  target_compile_definitions(data_folder_tests PRIVATE SUDOKU_ASSETS_TOOL="$<TARGET_FILE:sudoku_assets>")
endif()
sudoku_add_test(data_folder_tests toolkit)
