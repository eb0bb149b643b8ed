# What `cmake --install` puts where, and the Debian package CPack builds from it.
# The application looks for its samples in ../share/nimbara/samples beside bin/.
include(GNUInstallDirs)

set(NIMBARA_APP_ID org.nimbara.Nimbara)
install(TARGETS nimbara RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY samples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/nimbara/samples)
install(FILES packaging/${NIMBARA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${NIMBARA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/nimbara.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nimbara)

# The usual hicolor sizes as PNG, rendered from the SVG (target nimbara_icons, part of every build),
# for menus and docks that take no SVG.
set(NIMBARA_ICON_SIZES 16 24 32 48 64 128 256)
if(TARGET Qt6::Svg)
  add_executable(nimbara_render_icon tools/icons/render_icon.cpp)
  target_link_libraries(nimbara_render_icon PRIVATE Qt6::Svg Qt6::Gui)
  set(icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${NIMBARA_APP_ID}.svg)
  set(icon_pngs)
  foreach(size IN LISTS NIMBARA_ICON_SIZES)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${NIMBARA_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:nimbara_render_icon> ${icon_svg} ${size} ${png}
      DEPENDS nimbara_render_icon ${icon_svg} VERBATIM)
    list(APPEND icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(nimbara_icons ALL DEPENDS ${icon_pngs})
endif()

# The release date of the AppStream file is the day of the last commit (or
# of SOURCE_DATE_EPOCH when it is set), so that two builds of one source are
# the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
                  OUTPUT_VARIABLE last_commit OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE git_failed ERROR_QUIET)
  if(NOT git_failed AND last_commit)
    set(ENV{SOURCE_DATE_EPOCH} ${last_commit})
  endif()
endif()
string(TIMESTAMP NIMBARA_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(packaging/${NIMBARA_APP_ID}.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/${NIMBARA_APP_ID}.metainfo.xml
               @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${NIMBARA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

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
