# The Debian package, built by scripts/package with `cpack -G DEB` in a build folder: the install rules
# of the program under /usr, its shared-library dependencies found by dpkg-shlibdeps, plus what it loads
# or shows at run time that no library names: the fonts of its designs, the GStreamer plugins of its
# sound backend, and the X extensions it loads for the board (screen saver, XTest).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantaro)
set(CPACK_PACKAGE_VENDOR Quillwork)
set(CPACK_PACKAGE_CONTACT "Quillwork <maintainers@users.noreply.c-seed-a23addfc.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "volleyball scoreboard for a screen or projector")
# Lines of at most 80 characters, as Debian's policy wants the extended description.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Vantaro shows a volleyball scoreboard on a screen or projector that the players"
       "and spectators can see. One operator runs it from the keyboard: scores, games"
       "won, the points of four sets, a game clock with a buzzer, possession, title,"
       "team names and pictures, with colours, keys and digit style set in an options"
       "dialog. Every change can be undone, a match survives a crash, a second screen"
       "gets an operator console, and a live feed serves overlays for streams, the"
       "board for browsers and a phone remote.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Directories the install creates get the usual modes whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vantaro.example.com/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation2, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, libxss1, libxtst6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
