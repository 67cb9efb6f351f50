# Installation as a Debian desktop program and the .deb built by CPack (`make package`).
include(GNUInstallDirs)

set(KERBO_APP_ID fr.kerbo.Kerbo)
# The package's folders are 0755 whatever the umask of the one who builds it (002 on Debian
# for a user: 0775 folders, which lintian refuses).
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(KERBO_RELEASE_DATE 2026-12-06)

install(TARGETS kerbo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${KERBO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${KERBO_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
configure_file(${CMAKE_CURRENT_LIST_DIR}/${KERBO_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${KERBO_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${KERBO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The data folder, help files included, travels inside the program and is written to the
# user's data folder on the first start; the README goes with the documentation.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The manual page (its header names the version and its date, so that a new version's page says
# so) and the changelog (the package is its own upstream: changelog.gz), compressed as Debian
# keeps them (no name, no date in the gzip header).
configure_file(${CMAKE_CURRENT_LIST_DIR}/kerbo.1.in ${CMAKE_BINARY_DIR}/kerbo.1 @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
execute_process(COMMAND gzip -9nc ${CMAKE_BINARY_DIR}/kerbo.1
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/kerbo.1.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/kerbo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
execute_process(COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kerbo)
set(CPACK_PACKAGE_VENDOR Kerbo)
set(CPACK_PACKAGE_CONTACT "Kerbo <kerbo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bulletin de service du conducteur de train")
# Debian shows each line after a blank: at most 79 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Kerbo remplit le bulletin de service quotidien des conducteurs de train sur\n"
    "un dessin du formulaire papier, garde les journées dans de petits fichiers\n"
    "texte et n'imprime que les textes sur le formulaire pré-imprimé.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own French texts for the standard dialogs; the shared libraries come from SHLIBDEPS.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
# xdg-utils opens the help files in the desktop's browser. qt6-wayland lets Kerbo open its
# windows on a Wayland desktop (GNOME's and KDE's default session): Qt then picks it by itself,
# and without it falls back to the desktop's X11 server, where there is one, or does not start.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, cups-client, xdg-utils, qt6-wayland")
include(CPack)
