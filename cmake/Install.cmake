# Installed as a desktop program: the program folder (the executable, the
# empty standard database, the loan register, the tips, the templates and the
# sounds) in one read-only place, the launcher on the path, the menu entry,
# the icons and the AppStream metainfo. The program keeps a user's data in the
# family's per-user folder when its own folder is read-only.
set(FONARIUM_INSTALL_FOLDER lib/fonarium2000)

# A clean layout of its own: the build's program folder may hold a developer's
# carriers and settings, which no package should carry.
set(FONARIUM_INSTALL_STAGE ${CMAKE_BINARY_DIR}/install-folder)
add_custom_target(install_folder ALL
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${FONARIUM_INSTALL_STAGE}
    COMMAND fonarium-layout ${FONARIUM_INSTALL_STAGE}
    DEPENDS fonarium-layout
    COMMENT "Laying out the program folder to install"
    VERBATIM)

install(TARGETS fonarium2000 RUNTIME DESTINATION ${FONARIUM_INSTALL_FOLDER})
install(DIRECTORY ${FONARIUM_INSTALL_STAGE}/Data ${FONARIUM_INSTALL_STAGE}/Zvuky
        DESTINATION ${FONARIUM_INSTALL_FOLDER})
install(TARGETS fonarium-tool RUNTIME DESTINATION bin)

# The launcher is a link: the program finds its folder through the real path.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ../${FONARIUM_INSTALL_FOLDER}/fonarium2000
     ${CMAKE_BINARY_DIR}/launcher/fonarium2000 SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/fonarium2000 DESTINATION bin)

set(FONARIUM_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)
install(FILES ${FONARIUM_PACKAGING}/cz.korvex.fonarium2000.desktop DESTINATION share/applications)
install(FILES ${FONARIUM_PACKAGING}/cz.korvex.fonarium2000.metainfo.xml DESTINATION share/metainfo)
install(FILES ${FONARIUM_PACKAGING}/icons/fonarium2000.svg
        DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 256)
    install(FILES ${CMAKE_BINARY_DIR}/icons/${size}/fonarium2000.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fonarium2000)
set(CPACK_PACKAGE_VENDOR Korvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Catalogue of a private collection of sound carriers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Korvex <fonarium@korvex.cz>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Fonarium 2000 keeps audio CDs, MP3 CDs, data CDs, LP records and cassettes\n\
in up to four databases, lends them, searches them, prints their labels and\n\
moves them to and from spreadsheets as CSV. Czech user interface.")
# The libraries the program links are found by dpkg-shlibdeps; the Qt
# plugins (platform, SVG, sound) come with those same library packages. The
# reports set their text in the Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Qt's own dialogs (printer set-up, file chooser) speak Czech with these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
