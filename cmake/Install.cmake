# `cmake --install`: the GNU layout under the prefix (see InstallLayout.cmake). The program
# finds its data and its sound module relative to its binary; on its first start it seeds a
# per-user folder from the read-only data, and a newer installation refreshes that folder's
# shipped files but never the player's settings and highscores.
# Everything here belongs to the game's package (the service installs its own, "scores").
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)
if(TARGET brisvane)
  install(TARGETS brisvane RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(TARGETS brisvane-sound brisvane-charts LIBRARY DESTINATION "${BRISVANE_INSTALL_MODULEDIR}")

  # The shipped data straight from data/, not from the build's program folder, which holds
  # the developer's own settings, log and language work. Readable by every user, Vexa.ini
  # too: each player's seeded copy is made private, as it holds passwords.
  file(GLOB _shipped LIST_DIRECTORIES false CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/data/*")
  set(_readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  install(FILES ${_shipped} DESTINATION "${BRISVANE_INSTALL_DATADIR}" PERMISSIONS ${_readable})
  # The resource package, where the build makes one.
  install(FILES "${BRISVANE_PROGRAM_DIR}/Res.pac" DESTINATION "${BRISVANE_INSTALL_DATADIR}"
          PERMISSIONS ${_readable} OPTIONAL)

  # What the desktop looks for: the launcher, the icon in every size, the software centres'
  # metadata and the manual page.
  set(_desktop "${PROJECT_SOURCE_DIR}/data/desktop")
  install(FILES "${_desktop}/${BRISVANE_APP_ID}.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${_desktop}/${BRISVANE_APP_ID}.metainfo.xml"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  install(DIRECTORY "${BRISVANE_ICON_DIR}/hicolor" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")
  install(FILES "${PROJECT_BINARY_DIR}/man/brisvane.6.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
endif()
