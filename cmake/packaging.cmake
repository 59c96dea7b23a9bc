# make package: a Debian package of the installed game (cpack -G DEB). The
# shared libraries it needs are found by dpkg-shlibdeps; the Qt pieces that
# are plugins or data, not linked, are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zerdo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zerdo developers")
set(CPACK_PACKAGE_CONTACT "${ZERDO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logic puzzle: place the pieces as the clue cards tell")
set(CPACK_PACKAGE_DESCRIPTION
    "Zerdo is a logic puzzle for one player. Every field of a 3x3 or 4x4 board\n\
has a clue card, a miniature of the board that tells something about one piece\n\
and where it belongs. Forty built-in puzzles, a generator with nine levels,\n\
puzzle files, a hall of fame; in German, English and Flemish.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# Stripped as Debian strips, and dated by SOURCE_DATE_EPOCH:
# cmake/stage_package.cmake on the staged files.
set(CPACK_STRIP_FILES OFF)
set(CPACK_ZERDO_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/stage_package.cmake)
# The package installs below /usr, the Debian generator's own prefix; set
# here, the prefix would reach the source archive too.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's X11 platform plugin comes with its GUI library, which the game links;
# the Wayland one is a package of its own. Qt's own strings (Yes, No, Cancel,
# the file dialog) in German and Dutch.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
# The source archive (make dist, from git, is the usual way): the source tree
# without the repository's own files, the build folders and what make dist
# leaves, below zerdo-<version>/.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_PACKAGE_FILE_NAME zerdo-${PROJECT_VERSION})
set(CPACK_SOURCE_IGNORE_FILES "/[.]git/" "/[.]git$" "/build[^/]*/" "/dist/")
include(CPack)
