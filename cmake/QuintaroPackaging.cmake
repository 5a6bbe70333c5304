# The Debian package: `cpack -G DEB` in the build folder makes quintaro_<version>_<arch>.deb
# from what `cmake --install` installs, with its library dependencies found by
# dpkg-shlibdeps (dpkg-dev) from the binaries.
set(CPACK_PACKAGE_NAME quintaro)
set(CPACK_PACKAGE_VENDOR Ostrelwyn)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ostrelwyn <quintaro@ostrelwyn.example>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window system plug-in is loaded at run time, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The summary above is the first line of the description; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Quintaro is a video poker game for play money with nine single-deck draw-poker\n"
    "games (Jacks or Better, Bonus Poker, Bonus Deluxe, Deuces Wild, Double Bonus,\n"
    "Double Double Bonus, Super Double Bonus, Triple Double Bonus and Super Aces\n"
    "Bonus). For every game and pay table an expert strategy can hold the cards,\n"
    "point out mistakes, show its whole table and analyse any hand.\n"
    "\n"
    "The package also holds quintaro-advise, the strategy's advice on the command\n"
    "line, and quintaro-artwork, which draws the pictures colour schemes start from.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")

set(CPACK_GENERATOR DEB)
include(CPack)
