# --- Texts: the language file of the build's edition (PENDREL_LANGUAGE) ---
set(TEXT_KEYS ${ASSETS_DIR}/texts/keys.txt)
set(TEXT_EDITION ${ASSETS_DIR}/texts/codetexts.${PENDREL_LANGUAGE}.txt)

add_library(pendrel_texts_lib STATIC ${CMAKE_CURRENT_SOURCE_DIR}/texts/edition.cpp)
target_link_libraries(pendrel_texts_lib PUBLIC pendrel_tools_common)
add_executable(pendrel_texts ${CMAKE_CURRENT_SOURCE_DIR}/texts/main.cpp)
target_link_libraries(pendrel_texts PRIVATE pendrel_texts_lib)
target_compile_definitions(pendrel_texts PRIVATE
  PENDREL_TEXT_KEYS="${TEXT_KEYS}" PENDREL_TEXT_EDITION="${TEXT_EDITION}")
pendrel_generator(texts pendrel_texts DEPENDS ${TEXT_KEYS} ${TEXT_EDITION})

if(PENDREL_TESTS)
  add_executable(pendrel_texts_tests ${CMAKE_CURRENT_SOURCE_DIR}/texts/edition_test.cpp)
  target_link_libraries(pendrel_texts_tests PRIVATE pendrel_texts_lib GTest::gtest GTest::gtest_main)
  target_compile_definitions(pendrel_texts_tests PRIVATE PENDREL_ASSETS_DIR="${ASSETS_DIR}")
  add_test(NAME pendrel_texts_tests COMMAND pendrel_texts_tests --gtest_brief=1)
endif()
