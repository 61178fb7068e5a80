# Installing the game: the program, its data folder under share/pendrel/ (found there from
# the program's own folder), the launcher entry with its icons, the AppStream metainfo, the
# manual page and the package's copyright and changelog. scripts/package makes a .deb of it.
include(GNUInstallDirs)

set(DIST_SOURCE ${CMAKE_SOURCE_DIR}/dist)
set(DIST_OUT ${CMAKE_BINARY_DIR}/dist)

# Packages keep manual pages and changelogs compressed, without a time stamp in the header.
set(DIST_COMPRESSED)
foreach(file pendrel.6 changelog)
  add_custom_command(
    OUTPUT ${DIST_OUT}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_OUT}
    COMMAND sh -c "gzip -9nc '${DIST_SOURCE}/${file}' > '${DIST_OUT}/${file}.gz'"
    DEPENDS ${DIST_SOURCE}/${file}
    COMMENT "Compressing ${file}"
    VERBATIM)
  list(APPEND DIST_COMPRESSED ${DIST_OUT}/${file}.gz)
endforeach()
add_custom_target(dist_files ALL DEPENDS ${DIST_COMPRESSED})

set(READABLE OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(LISTABLE OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS pendrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/pendrel
  FILE_PERMISSIONS ${READABLE} DIRECTORY_PERMISSIONS ${LISTABLE})
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons
  FILE_PERMISSIONS ${READABLE} DIRECTORY_PERMISSIONS ${LISTABLE})
install(FILES ${DIST_SOURCE}/${PENDREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DIST_SOURCE}/${PENDREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DIST_OUT}/pendrel.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${DIST_SOURCE}/copyright ${DIST_OUT}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# --- The .deb: its dependencies come from dpkg-shlibdeps on the installed program ---
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pendrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Pendrel developer <dev@pendrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match-3 puzzle game: swap gems to relight a lantern")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${DIST_SOURCE}/description.txt)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
