# The Debian package that scripts/package makes with CPack: morvel_<version>_amd64.deb
# with the files of cmake/installatie.cmake.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvel)
set(CPACK_PACKAGE_VENDOR "Morvel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "beheer van de interne competitie van een goclub")
set(CPACK_PACKAGE_DESCRIPTION "Morvel Competitie Beheer houdt de leden, de rondes en de uitslagen\n\
van de interne competitie van een goclub bij, deelt de rondes in, berekent\n\
stand, klassen en voorgift, drukt lijsten af en publiceert ze als HTML.")
set(MORVEL_MAINTAINER "Morvel-beheer <morvel@example.org>"
  CACHE STRING "The maintainer named in the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MORVEL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Dutch texts for the standard buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
