# The folders, under the install prefix, that hold the game's own files. The program is told
# where its media and sound module lie relative to its own folder from these, the install rules
# put the files there, and the install test looks for them there.
#
# The program goes to GNUInstallDirs' CMAKE_INSTALL_BINDIR: bin, where a prefix's programs are
# found on PATH (/usr/local/bin, ~/.local/bin) and where most distributions put games. Debian
# puts games in /usr/games, so its package sets CMAKE_INSTALL_BINDIR to games (tools/setup
# package), as a Debian packager would. Both are one level under the prefix, beside lib and share.
include(GNUInstallDirs)
set(BNG_INSTALL_MODULEDIR "${CMAKE_INSTALL_LIBDIR}/${PROJECT_NAME}")
set(BNG_INSTALL_MEDIADIR "${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}/media")
set(BNG_INSTALL_TRANSLATIONSDIR "${CMAKE_INSTALL_DATADIR}/${PROJECT_NAME}/translations")
