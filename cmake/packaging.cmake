# The Debian package, korval2_<version>-1_<architecture>.deb, made by CPack (scripts/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${KORVAL_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR ${KORVAL_MAKER})
set(CPACK_PACKAGE_CONTACT ${KORVAL_MAKER_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${KORVAL_SUMMARY})
set(CPACK_PACKAGE_DESCRIPTION ${KORVAL_ABOUT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# A cross build's package is for the architecture it builds for, not this machine's.
if(CMAKE_CROSSCOMPILING)
    execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
                    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
endif()
# The libraries from the binary, plus the fonts the window is drawn for and Qt's Spanish texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
include(CPack)
