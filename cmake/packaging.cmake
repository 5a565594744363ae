# `cpack -G DEB` in the build folder makes a Debian package of everything `cmake --install`
# puts in place, laid out under /usr (the DEB generator's own prefix), with what Debian asks
# of a package besides: the copyright file, the changelog, and the program in /usr/games.

set(CPACK_PACKAGE_NAME fieldclear)
set(CPACK_PACKAGE_VENDOR "The Fieldclear developers")
set(FIELDCLEAR_PACKAGE_MAINTAINER "The Fieldclear developers <fieldclear@users.noreply.github.com>"
    CACHE STRING "Name and e-mail address for the Maintainer field of the Debian package")
set(CPACK_PACKAGE_CONTACT ${FIELDCLEAR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mine-field puzzle game")
# One line of the control file each; Debian wants them under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A field of covered squares hides a number of mines. Uncover the squares"
    "that hold none, flag the ones that do, and race the clock, on three levels"
    "or a field of your own size, with eight tile sets of pixel art. The best"
    "time of each level is kept, and the field plays by keyboard too.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CPACK_PACKAGE_NAME})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

# The packaging lives in the game's own tree, so the package is Debian's kind "native": its
# version is the game's, with no Debian revision after it.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # fieldclear_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# The libraries come from dpkg-shlibdeps. Qt's platform plugins are loaded at run time, so
# no linker sees them, and Qt only recommends them: without them no window opens.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own texts (the dialogs' buttons, a text box's menu) in the player's language: the game
# runs without them, with those few words in English, so they are only recommended.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

# A game's program lives in /usr/games in a Debian package; `cmake --install` keeps it in
# bin/, where a home folder's PATH finds it. The package moves it once the files are staged.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/debian/games_dir.cmake)

# The package's documentation: the copyright file, and the changelog gzipped as Debian
# wants it (best compression, no name or time in the header, so builds are reproducible).
set(debian_doc ${CMAKE_CURRENT_LIST_DIR}/debian)
file(STRINGS ${debian_doc}/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^fieldclear \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "cmake/debian/changelog does not start with version ${PROJECT_VERSION}: "
                        "add an entry for it")
endif()
execute_process(COMMAND gzip -9nc ${debian_doc}/changelog
                OUTPUT_FILE ${PROJECT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${debian_doc}/changelog)
install(FILES ${debian_doc}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})

include(CPack)

# Debian's own checker on the package, as a distribution would run it: no error, no warning.
# Not for the sanitizer build, whose program no one would package.
find_program(LINTIAN lintian)
if(BUILD_TESTING AND LINTIAN AND NOT FIELDCLEAR_SANITIZE)
    add_test(NAME debian_package_passes_lintian
             COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                     -DSTAGE=${PROJECT_BINARY_DIR}/package-check -DLINTIAN=${LINTIAN}
                     -P ${debian_doc}/check_package.cmake)
endif()
