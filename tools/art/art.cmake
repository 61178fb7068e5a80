# --- Game pictures: board frame, items, interface, backgrounds, roadmap, story; review sheets in contact/ ---
file(GLOB ART_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/art/*.cpp)
list(REMOVE_ITEM ART_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/art/main.cpp ${CMAKE_CURRENT_SOURCE_DIR}/art/review_main.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/art/scenery_main.cpp ${CMAKE_CURRENT_SOURCE_DIR}/art/story_main.cpp)
add_library(pendrel_art_lib STATIC ${ART_SOURCES})
target_link_libraries(pendrel_art_lib PUBLIC pendrel_pictures_lib pendrel_board_frame)
# The roadmap's level points are the game's own table.
target_include_directories(pendrel_art_lib PRIVATE ${CMAKE_SOURCE_DIR}/src)
# The tools run at build time, also in sanitizer builds: optimise them so the data stays quick.
target_compile_options(pendrel_art_lib PRIVATE -O2)
add_executable(pendrel_art ${CMAKE_CURRENT_SOURCE_DIR}/art/main.cpp)
add_executable(pendrel_art_review ${CMAKE_CURRENT_SOURCE_DIR}/art/review_main.cpp)
add_executable(pendrel_scenery ${CMAKE_CURRENT_SOURCE_DIR}/art/scenery_main.cpp)
add_executable(pendrel_story ${CMAKE_CURRENT_SOURCE_DIR}/art/story_main.cpp)
foreach(tool pendrel_art pendrel_art_review pendrel_scenery pendrel_story)
  target_compile_options(${tool} PRIVATE -O2)
  target_link_libraries(${tool} PRIVATE pendrel_art_lib)
endforeach()
pendrel_generator(art pendrel_art)
# Backgrounds and roadmap: a generator of their own, so it runs beside the art tool.
pendrel_generator(scenery pendrel_scenery)
# The story pages carry the edition's words. Only their small tool is built for the edition,
# so switching PENDREL_LANGUAGE repaints them and leaves the other pictures as they are.
set(STORY_FILE ${ASSETS_DIR}/story/story.${PENDREL_LANGUAGE}.txt)
target_compile_definitions(pendrel_story PRIVATE PENDREL_STORY_FILE="${STORY_FILE}")
pendrel_generator(story pendrel_story DEPENDS ${STORY_FILE})
# Reviews render what the other generators wrote (levels included), so they follow all of them.
pendrel_generator(art_review pendrel_art_review DEPENDS ${DATA_OUTPUTS})

if(PENDREL_TESTS)
  file(GLOB ART_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/art/tests/*_test.cpp)
  add_executable(pendrel_art_tests ${ART_TEST_SOURCES})
  target_compile_options(pendrel_art_tests PRIVATE -O2)
  target_link_libraries(pendrel_art_tests PRIVATE pendrel_art_lib GTest::gtest GTest::gtest_main)
  target_compile_definitions(pendrel_art_tests PRIVATE PENDREL_ASSETS_DIR="${ASSETS_DIR}")
  add_test(NAME pendrel_art_tests COMMAND pendrel_art_tests --gtest_brief=1)
  set_tests_properties(pendrel_art_tests PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
