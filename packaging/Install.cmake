# What `cmake --install` puts where, and the Debian package CPack builds from it.
# The application looks for its samples in ../share/nimbara/samples beside bin/.
include(GNUInstallDirs)

set(NIMBARA_APP_ID org.nimbara.Nimbara)
install(TARGETS nimbara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY samples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/nimbara/samples)
install(FILES packaging/${NIMBARA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${NIMBARA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/${NIMBARA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/nimbara.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nimbara)
set(CPACK_PACKAGE_VENDOR "Nimbara developers")
set(CPACK_PACKAGE_CONTACT "Nimbara developers <dev@nimbara.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw surface weather maps of East Asia from weather bulletins")
set(CPACK_PACKAGE_INSTALL_DIRECTORY nimbara)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries dpkg-shlibdeps finds: the Qt platform plugins (loaded at
# run time, so no library names them) and a font with the Japanese characters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
