# `cpack -G DEB` in a build folder makes the Debian package korvane_VERSION_ARCH.deb
# from the install rules, installed under /usr. The libraries it needs are
# worked out from the binaries (dpkg-shlibdeps); what they load at run time
# is named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Korvane developers <developers@korvane.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The printed profile is drawn in Liberation Serif where Times New Roman is
# missing; Wayland sessions need Qt's Wayland platform; the notes and profile
# files open in the desktop's text editor through xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")
# The package's one-line summary is the project's description; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Korvane designs starships for the construction rules of the Zarnoth tabletop
science-fiction game and their house rules: pick the hull, armour, drives,
power plant, electronics, weapons, screens, computers, crew and craft of a
ship from a component catalog, and after every change the whole design is
worked out again.
.
The package holds the desktop program, korvane, and the command-line tool,
korvane-cli, which checks and edits the catalog, shows, prints and resaves
designs and resaves whole folders of them with a web index.")

include(CPack)
