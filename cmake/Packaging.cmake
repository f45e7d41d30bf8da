# Desktop integration and the Debian package.
install(FILES ${PROJECT_SOURCE_DIR}/share/roofcalc.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/share/roofcalc.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_PACKAGE_NAME roofcalc)
set(CPACK_PACKAGE_VENDOR "roofcalc developers")
set(CPACK_PACKAGE_CONTACT "roofcalc developers <roofcalc@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Flat roof calculator: fasteners, membrane, insulation, vapour barrier")
set(CPACK_PACKAGE_INSTALL_DIRECTORY roofcalc)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found at run time rather than linked: Qt's Russian dialogs, the X11 platform plugin and the
# metric-compatible fonts the windows and the printout are laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, qt6-qpa-plugins, fonts-liberation2")
include(CPack)
