# Installing (cmake --install) and the Debian package (cpack -G DEB, or the `package` target).
# The program finds its data relative to its binary (PREFIX/bin -> PREFIX/share/lumeris), so
# the same rules serve /usr, /usr/local and a scratch prefix.
include(GNUInstallDirs)

set(LUMERIS_DATA_DIR ${CMAKE_INSTALL_DATADIR}/lumeris)

install(TARGETS lumeris-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY examples/ DESTINATION ${LUMERIS_DATA_DIR}/examples)
# The program's start-up scheme, copied into the user's own folder on first start.
install(FILES examples/demo.txt DESTINATION ${LUMERIS_DATA_DIR} RENAME lumeris.txt)
install(FILES data/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lumeris)

# Debian wants man pages compressed; -n leaves the date out, so builds are reproducible.
foreach(page lumeris lumeris-cli)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/man/${page}.1 > ${gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/man/${page}.1 VERBATIM)
  list(APPEND LUMERIS_MAN_PAGES ${gz})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${LUMERIS_MAN_PAGES})

if(TARGET lumeris)
  install(TARGETS lumeris RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${LUMERIS_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES data/lumeris.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES data/lumeris-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME lumeris.xml)
  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES data/icons/lumeris.svg DESTINATION ${icons}/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES data/icons/${size}x${size}/lumeris.png DESTINATION ${icons}/${size}x${size}/apps)
  endforeach()
else()
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/lumeris-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumeris)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Lumeris <lumeris@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "notebook for viewing, editing and checking schemes")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumeris draws schemes of items joined by directed links with coefficients, whose values
spread one link further on every tick; it runs, steps and teaches them, and follows the
addresses of items to web pages, files and other schemes. lumeris-cli does the same
without a window, for batch work.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The shared libraries come from dpkg-shlibdeps; what the program loads without linking it
# (the X11 platform plugin, the font that stands in for Arial, Qt's own translations of its
# dialogs) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme, xdg-utils")
include(CPack)
