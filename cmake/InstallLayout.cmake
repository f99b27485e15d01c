# Where an installed copy keeps its parts (GNU layout under the install prefix), and the
# application id the desktop knows it by. The program finds its data and its sound module
# relative to its binary, so the same build works under any prefix and DESTDIR.
include(GNUInstallDirs)

set(BRISVANE_APP_ID "org.example.Brisvane")
set(BRISVANE_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/brisvane")
set(BRISVANE_INSTALL_MODULEDIR "${CMAKE_INSTALL_LIBDIR}/brisvane")
# The build draws the application icon here (hicolor/...), from the window's own icon code.
set(BRISVANE_ICON_DIR "${PROJECT_BINARY_DIR}/icons")

file(RELATIVE_PATH BRISVANE_DATA_FROM_BIN "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${BRISVANE_INSTALL_DATADIR}")
file(RELATIVE_PATH BRISVANE_MODULE_FROM_BIN "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${BRISVANE_INSTALL_MODULEDIR}")
configure_file("${CMAKE_CURRENT_LIST_DIR}/InstallLayout.h.in"
               "${PROJECT_BINARY_DIR}/generated/InstallLayout.h" @ONLY)
