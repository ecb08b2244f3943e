# Installation as a desktop application: the two programs, the desktop entry, the
# icon in the hicolor theme, the ".mcf" file type, the AppStream description and the
# manual pages; `make deb` packs the same tree as a Debian package.
include(GNUInstallDirs)

set(MONTORA_APP_ID io.github.montora.MontoraStudio)
set(MONTORA_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
set(MONTORA_ICON_SVG ${CMAKE_SOURCE_DIR}/resources/ui/icons/montora.svg)
set(MONTORA_INSTALL_GEN ${CMAKE_BINARY_DIR}/generated/install)

# The theme's bitmap sizes are drawn from the same SVG at build time.
add_executable(icon_renderer tools/icon_renderer/icon_renderer.cpp)
set_target_properties(icon_renderer PROPERTIES AUTOMOC OFF AUTORCC OFF)
target_link_libraries(icon_renderer PRIVATE Qt6::Gui Qt6::Svg)
set(MONTORA_ICON_SIZES 48 128 256)
set(MONTORA_ICON_PNGS)
foreach(size IN LISTS MONTORA_ICON_SIZES)
  set(png ${MONTORA_INSTALL_GEN}/icons/${size}/${MONTORA_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MONTORA_INSTALL_GEN}/icons/${size}
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:icon_renderer> ${MONTORA_ICON_SVG} ${size} ${png}
    DEPENDS icon_renderer ${MONTORA_ICON_SVG}
    COMMENT "Drawing the ${size} px application icon"
    VERBATIM)
  list(APPEND MONTORA_ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# The manual page of the CLI is made from its own --help, so it cannot fall behind.
find_program(HELP2MAN_PROGRAM help2man REQUIRED)
set(MONTORA_CLI_MAN ${MONTORA_INSTALL_GEN}/montora.1)
add_custom_command(OUTPUT ${MONTORA_CLI_MAN}.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MONTORA_INSTALL_GEN}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen
          ${HELP2MAN_PROGRAM} --no-info
          --name "the Montora Studio collage engine without a window"
          --output ${MONTORA_CLI_MAN} $<TARGET_FILE:montora>
  COMMAND gzip -9nf ${MONTORA_CLI_MAN}
  DEPENDS montora
  COMMENT "Writing the manual page of montora"
  VERBATIM)
set(MONTORA_STUDIO_MAN ${MONTORA_INSTALL_GEN}/montora-studio.1.gz)
add_custom_command(OUTPUT ${MONTORA_STUDIO_MAN}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${MONTORA_INSTALL_GEN}
  COMMAND gzip -9nc ${MONTORA_DESKTOP_DIR}/montora-studio.1 > ${MONTORA_STUDIO_MAN}
  DEPENDS ${MONTORA_DESKTOP_DIR}/montora-studio.1
  VERBATIM)
# The Debian changelog the package carries, compressed reproducibly.
set(MONTORA_DEB_CHANGELOG ${MONTORA_INSTALL_GEN}/changelog.gz)
add_custom_command(OUTPUT ${MONTORA_DEB_CHANGELOG}
  COMMAND gzip -9nc ${MONTORA_DESKTOP_DIR}/changelog.Debian > ${MONTORA_DEB_CHANGELOG}
  DEPENDS ${MONTORA_DESKTOP_DIR}/changelog.Debian
  VERBATIM)
add_custom_target(install_files ALL
  DEPENDS ${MONTORA_ICON_PNGS} ${MONTORA_CLI_MAN}.gz ${MONTORA_STUDIO_MAN} ${MONTORA_DEB_CHANGELOG})

install(TARGETS montora-studio montora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS montora-wmf-reader RUNTIME DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/montora)
install(FILES ${MONTORA_DESKTOP_DIR}/${MONTORA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MONTORA_DESKTOP_DIR}/${MONTORA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MONTORA_DESKTOP_DIR}/montora-studio-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${MONTORA_APP_ID}.xml)
install(FILES ${MONTORA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${MONTORA_APP_ID}.svg)
install(FILES ${MONTORA_CLI_MAN}.gz ${MONTORA_STUDIO_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${MONTORA_DESKTOP_DIR}/copyright ${MONTORA_DEB_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/montora-studio)

# Debian package: dependencies are read off the linked libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME montora-studio)
set(CPACK_PACKAGE_VENDOR "The Montora Studio developers")
set(CPACK_PACKAGE_CONTACT "The Montora Studio developers <developers@montora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo-collage editor")
set(CPACK_PACKAGE_DESCRIPTION "Montora Studio arranges photos, cliparts, decorations, brush stamps,
styled text and month calendars on a canvas as layers, with masks, frames,
cropping and tuning for photos, undo and redo, project files, and export of
the collage as a picture. The package also holds montora, the same engine as a
command-line tool.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY montora-studio)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, fonts-urw-base35, qt6-image-formats-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/montora/montora-studio")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# The installed tree, checked file by file from a scratch prefix.
add_test(NAME install_tree
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/check-install.sh ${CMAKE_BINARY_DIR})
