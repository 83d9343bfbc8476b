# The Debian package, korval2_<version>-1_<architecture>.deb, made by CPack (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korval2)
set(CPACK_PACKAGE_VERSION ${KORVAL_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR Korval)
set(CPACK_PACKAGE_CONTACT "Korval <korval@korval.io>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill in the Spanish names of electronic symbols")
set(CPACK_PACKAGE_DESCRIPTION [[
KORVAL 2 shows eleven schematic symbols of electronic components
(transformers, diodes, transistors and JFETs) with an answer box under each
and the list of the correct names. The learner types the Spanish name of each
component in capitals and presses PRUEBA: every box then shows BIEN or ERROR.
BORRAR empties the boxes.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries from the binary, plus the fonts the window is drawn for and Qt's Spanish texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
