include(GNUInstallDirs)
if(TARGET brisvane)
  # An installed copy keeps binary and data side by side in one read-only program folder;
  # at run time the program seeds a per-user folder from it.
  set(_dest "${CMAKE_INSTALL_LIBDIR}/brisvane")
  install(TARGETS brisvane RUNTIME DESTINATION "${_dest}")
  # The sound module beside the binary, where the program looks for it.
  install(TARGETS brisvane-sound LIBRARY DESTINATION "${_dest}")
  install(DIRECTORY "${BRISVANE_PROGRAM_DIR}/" DESTINATION "${_dest}"
          PATTERN "brisvane" EXCLUDE PATTERN "brisvane-sound.so" EXCLUDE
          PATTERN "Vexa.log" EXCLUDE)
endif()
