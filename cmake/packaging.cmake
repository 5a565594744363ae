# `cpack -G DEB` in the build folder makes a Debian package of everything `cmake --install`
# puts in place, laid out under /usr (the DEB generator's own prefix).

set(CPACK_PACKAGE_NAME fieldclear)
set(CPACK_PACKAGE_VENDOR "The Fieldclear developers")
set(FIELDCLEAR_PACKAGE_MAINTAINER "The Fieldclear developers <fieldclear@users.noreply.github.com>"
    CACHE STRING "Name and e-mail address for the Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${FIELDCLEAR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mine-field puzzle game")
set(CPACK_PACKAGE_DESCRIPTION "A field of covered squares hides a number of mines. \
Uncover the squares that hold none, flag the ones that do, and race the clock, on three \
levels and with eight tile sets of pixel art.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CPACK_PACKAGE_NAME})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # fieldclear_<version>-1_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries come from dpkg-shlibdeps. Qt's platform plugins are loaded at run time, so
# no linker sees them, and Qt only recommends them: without them no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
