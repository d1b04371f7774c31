# The program as a desktop program: the user manual (built from its HTML
# source on Qt's offscreen platform), the icon theme's files, installation
# under a prefix and the Debian package (make package).
include(GNUInstallDirs)

add_executable(corvinade-assets tools/assets/corvinade-assets.cpp)
target_link_libraries(corvinade-assets PRIVATE corvinade_ui)
set_target_properties(corvinade-assets PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

set(MANUAL_SOURCE ${CMAKE_SOURCE_DIR}/docs/manual/manual.html)
set(MANUAL_PDF "${CMAKE_BINARY_DIR}/Corvinade User Manual.pdf")
file(GLOB MANUAL_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/manual/images/*.png)
add_custom_command(OUTPUT ${MANUAL_PDF}
  COMMAND corvinade-assets manual ${MANUAL_SOURCE} ${MANUAL_PDF}
  DEPENDS corvinade-assets ${MANUAL_SOURCE} ${MANUAL_IMAGES}
  COMMENT "Building the user manual" VERBATIM)
set(ICON_STAMP ${CMAKE_BINARY_DIR}/icons/256x256/apps/corvinade.png)
add_custom_command(OUTPUT ${ICON_STAMP}
  COMMAND corvinade-assets icons ${CMAKE_BINARY_DIR}/icons
  DEPENDS corvinade-assets
  COMMENT "Drawing the icon theme's files" VERBATIM)
# Manual pages, compressed as Debian's policy asks (gzip -n: no name or time
# inside, so the same source gives the same file).
set(MAN_PAGES)
foreach(page corvinade corvinade-tool)
  configure_file(${CMAKE_SOURCE_DIR}/docs/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
    COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/man/${page}.1
    DEPENDS ${CMAKE_BINARY_DIR}/man/${page}.1
    COMMENT "Compressing the manual page ${page}(1)" VERBATIM)
  list(APPEND MAN_PAGES ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
endforeach()
# The package's change log, which Debian keeps beside the copyright file.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
  COMMAND gzip -9 -n -c ${CMAKE_SOURCE_DIR}/resources/debian/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/debian/changelog
  COMMENT "Compressing the change log")
add_custom_target(corvinade_desktop_files ALL DEPENDS ${MANUAL_PDF} ${ICON_STAMP} ${MAN_PAGES} ${CMAKE_BINARY_DIR}/changelog.gz)

# The program finds its sound and manual beside itself (build folder) or in
# ../share/corvinade/ (installed).
install(TARGETS corvinade corvinade-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/resources/copy.wav ${MANUAL_PDF} DESTINATION ${CMAKE_INSTALL_DATADIR}/corvinade)
install(FILES ${CMAKE_SOURCE_DIR}/resources/corvinade.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/resources/debian/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/corvinade)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvinade)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvinade")
set(CPACK_PACKAGE_CONTACT "Corvinade support <support@corvinade.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Clipboard history and text snippets for the X11 desktop")
set(CPACK_PACKAGE_DESCRIPTION "A small window that stays on top holds buttons: clip buttons fill from every text you copy, permanent buttons keep your own texts, and a click pastes a button's text into the window you worked in.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://corvinade.org/")
# Libraries come from dpkg-shlibdeps; Qt's X11 platform plugin is loaded at
# run time, so no linker record names it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
