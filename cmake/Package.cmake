# The Debian packages of an installed copy under /usr: `cpack -G DEB` in a build configured
# with CMAKE_INSTALL_PREFIX=/usr (scripts/package does both, with Debian's hardening flags).
# Two packages from the one build: brisvane (the game, install component "game") and, where the
# service is built, brisvane-scores (the highscore service, component "scores").
if(NOT TARGET brisvane)
  return()
endif()

# What Debian wants beside the program: the copyright and the changelog, compressed.
set(_doc "${PROJECT_BINARY_DIR}/doc")
add_custom_command(OUTPUT "${_doc}/changelog.gz"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${_doc}"
  COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" "${PROJECT_SOURCE_DIR}/packaging/debian/changelog"
          "${_doc}/changelog.gz"
  DEPENDS "${PROJECT_SOURCE_DIR}/packaging/debian/changelog"
  VERBATIM)
add_custom_target(brisvane_doc ALL DEPENDS "${_doc}/changelog.gz")
install(FILES "${PROJECT_SOURCE_DIR}/packaging/debian/copyright" "${_doc}/changelog.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/brisvane")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME brisvane)
if(TARGET brisvane-scores)
  install(FILES "${PROJECT_SOURCE_DIR}/packaging/debian/copyright" "${_doc}/changelog.gz"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/brisvane-scores" COMPONENT scores)
  list(APPEND CPACK_COMPONENTS_ALL scores)
  set(CPACK_DEBIAN_SCORES_PACKAGE_NAME brisvane-scores)
  set(CPACK_DEBIAN_SCORES_PACKAGE_SECTION web)
  set(CPACK_DEBIAN_SCORES_DESCRIPTION "highscore service of the Brisvane dice game
The web service behind the game's Internet links: sign-up, the submission of a
score from the game (checked against the game's rules and entry key) and the
world table, all time and by month, with a JSON twin. SQLite or PostgreSQL;
passwords kept as Argon2id hashes; a sandboxed systemd unit.")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisvane)
# The version as the game and its metainfo show it.
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
set(CPACK_PACKAGE_VENDOR "The Brisvane developers")
set(CPACK_PACKAGE_CONTACT "The Brisvane developers <brisvane@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
# Each package's description begins with its summary line (one summary for all would be put
# before both).
set(CPACK_DEBIAN_GAME_DESCRIPTION "six-dice game with twenty categories and one budget of rolls
Brisvane is a dice game of the Yatzy family for one player. A game has twenty
categories and one budget of 60 rolls for all of them: rolls not used in one
turn stay for later turns. After every roll the game shows what each category
would score and suggests one.

Around the game: a local top-ten table, an event log, language files with a
translator, a dot-matrix message display, sound effects and a clock with a
daily alarm.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/brisvane/")
# The Qt libraries from the binaries themselves; xdg-utils opens web pages and files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "xdg-utils")
# The name on the splash window and the logo is drawn in DejaVu Sans; Qt's catalogues speak
# the player's language in the file dialog.
set(CPACK_DEBIAN_GAME_PACKAGE_RECOMMENDS "fonts-dejavu-core, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
