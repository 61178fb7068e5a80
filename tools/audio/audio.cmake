# --- Sound effects and music: synthesised by pendrel_audio into data/sfx/ and data/music/ ---
# The generator's synthesiser is always optimised and, in sanitizer builds, left
# uninstrumented: it renders several minutes of audio sample by sample, which under
# the sanitizers would take minutes instead of seconds. The tests build the same
# sources a second time with the sanitizers on, so their checks still cover the code.
set(AUDIO_DIR ${CMAKE_CURRENT_SOURCE_DIR}/audio)
set(AUDIO_SOURCES
  ${AUDIO_DIR}/dsp.cpp ${AUDIO_DIR}/encode.cpp ${AUDIO_DIR}/sfx.cpp ${AUDIO_DIR}/sfx_recipes.cpp
  ${AUDIO_DIR}/compose.cpp ${AUDIO_DIR}/songs.cpp ${AUDIO_DIR}/music.cpp ${AUDIO_DIR}/contact.cpp)
find_package(Threads REQUIRED)

function(pendrel_audio_library NAME)
  add_library(${NAME} STATIC ${AUDIO_SOURCES})
  target_compile_options(${NAME} PRIVATE -O2 ${ARGN})
  target_link_libraries(${NAME} PUBLIC pendrel_tools_common PkgConfig::VORBIS Threads::Threads)
endfunction()

pendrel_audio_library(pendrel_audio_lib -fno-sanitize=all)
add_executable(pendrel_audio ${AUDIO_DIR}/main.cpp)
target_link_libraries(pendrel_audio PRIVATE pendrel_audio_lib)
pendrel_generator(audio pendrel_audio)

if(PENDREL_TESTS)
  set(audio_tested pendrel_audio_lib)
  if(PENDREL_SANITIZE)
    pendrel_audio_library(pendrel_audio_checked)
    set(audio_tested pendrel_audio_checked)
  endif()
  add_executable(pendrel_audio_tests ${AUDIO_DIR}/audio_test.cpp)
  target_link_libraries(pendrel_audio_tests PRIVATE ${audio_tested} GTest::gtest GTest::gtest_main)
  add_test(NAME pendrel_audio_tests COMMAND pendrel_audio_tests --gtest_brief=1)
  set_tests_properties(pendrel_audio_tests PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
endif()
