# --- Levels: the 80 level files and the goal table, compiled from assets/levels/ ---
# The compiler refuses a level that breaks a rule, naming file, row and column, and
# draws build/contact/levels.png, the review sheet of every board, and
# build/contact/difficulty.png from the table scripts/review-difficulty keeps.
set(LEVEL_SOURCES_DIR ${ASSETS_DIR}/levels)

# The board frame model, shared with the picture tool that renders boards by it; it runs
# over every level at build time, so it is optimised in every build.
add_library(pendrel_board_frame STATIC common/board_frame.cpp)
target_link_libraries(pendrel_board_frame PUBLIC pendrel_tools_common)
target_compile_options(pendrel_board_frame PRIVATE -O2)

file(GLOB LEVEL_SOURCES CONFIGURE_DEPENDS ${LEVEL_SOURCES_DIR}/*.txt)

add_library(pendrel_levels_lib STATIC
  levels/level_source.cpp levels/level_rules.cpp levels/level_files.cpp levels/overview.cpp
  levels/sheet_pixels.cpp levels/difficulty.cpp)
target_link_libraries(pendrel_levels_lib PUBLIC pendrel_tools_common pendrel_board_frame)
add_executable(pendrel_levels levels/main.cpp)
target_link_libraries(pendrel_levels PRIVATE pendrel_levels_lib)
target_compile_definitions(pendrel_levels PRIVATE PENDREL_LEVEL_SOURCES="${LEVEL_SOURCES_DIR}")
pendrel_generator(levels pendrel_levels DEPENDS ${LEVEL_SOURCES} ${LEVEL_SOURCES_DIR}/difficulty.md)

if(PENDREL_TESTS)
  add_executable(pendrel_levels_tests levels/tests/level_rules_test.cpp levels/tests/level_files_test.cpp
    levels/tests/difficulty_test.cpp)
  target_include_directories(pendrel_levels_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/levels)
  target_link_libraries(pendrel_levels_tests PRIVATE pendrel_levels_lib GTest::gtest GTest::gtest_main)
  target_compile_definitions(pendrel_levels_tests PRIVATE PENDREL_LEVEL_SOURCES="${LEVEL_SOURCES_DIR}")
  add_test(NAME pendrel_levels_tests COMMAND pendrel_levels_tests --gtest_brief=1)
endif()
