# The Debian package, built from the build folder with `cpack -G DEB`
# (scripts/package-check.sh builds and checks it the way Debian does).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentrova)

set(CPACK_PACKAGE_NAME zentrova)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zentrova developers")
set(CPACK_PACKAGE_CONTACT "The Zentrova developers <zentrova@pfc.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design calculator for boost power-factor-correction stages")
set(CPACK_PACKAGE_DESCRIPTION
    "Zentrova sizes the components of a boost PFC stage built around an\n"
    "average-current-mode PFC controller of the UC3854 kind: the boost inductor\n"
    "and output capacitor, the current-sense resistor and peak-current-limit\n"
    "divider, the feed-forward filter, the multiplier resistors, the oscillator\n"
    "timing parts and the compensation of the current and voltage loops, each\n"
    "in a window of its own. The user interface is Chinese.\n"
    "\n"
    "The command-line twin zentrova-calc runs the same calculations for scripts\n"
    "and prints the results as text or JSON.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
else()
  set(CPACK_GENERATOR ZIP)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZENTROVA_HOME_PAGE})
# The libraries come from dpkg-shlibdeps; the Chinese font and Qt's platform
# plugins are loaded at run time, so no linked library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian's layout in the package only: the man pages compressed, and the
# changelog beside the copyright file.
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
set(CPACK_ZENTROVA_CHANGELOG ${PROJECT_BINARY_DIR}/packaging/changelog)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/DebianLayout.cmake)

include(CPack)
