# --- Fonts: the two bitmap fonts rendered from DejaVu with FreeType ---
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
add_library(pendrel_fonts_lib STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/fonts/glyphs.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/fonts/layers.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/fonts/font_file.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/fonts/sheet.cpp)
target_link_libraries(pendrel_fonts_lib PUBLIC pendrel_tools_common PRIVATE PkgConfig::FREETYPE)
add_executable(pendrel_fonts ${CMAKE_CURRENT_SOURCE_DIR}/fonts/main.cpp)
target_link_libraries(pendrel_fonts PRIVATE pendrel_fonts_lib)
pendrel_generator(fonts pendrel_fonts
  DEPENDS /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf)
