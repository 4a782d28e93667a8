# The Debian package, made by CPack from a build folder's install rules: whatever the install
# rules put in, the package holds, under /usr. tools/setup package configures and builds the
# folder for it as Debian builds its games.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VENDOR "Brannoch Software")
set(CPACK_PACKAGE_CONTACT "Brannoch Software <maintainers@brannoch.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://brannoch.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number guessing game with faces and spoken hints")
set(CPACK_PACKAGE_DESCRIPTION [[
Brannoch Number Guess 2002 is a small guessing game for the desktop. Type a
lower and an upper limit, press GO, and the computer picks a number between
them. Each guess is answered with a message, a face and a short spoken sound
telling you whether its number is higher or lower, until you find it. A
counter shows how many guesses you have made.

Three styles of game are on the Options menu: the standard game, a dynamic
game whose number changes after every five guesses, and a game with no upper
limit.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Naming the install rules' component makes CPack keep its staging list in a manifest of its own,
# so the one that the uninstall target reads, from the last real install, stays as it was.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The revision counts packagings of one release of the game; dist/debian/changelog carries its
# latest entry.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Depends: the packages of the libraries linked, added by dpkg-shlibdeps when the package is
# staged (see DebianStaging.cmake), and here what is loaded without being linked: the X11 platform
# plugin and the fonts the windows are drawn with. The Wayland plugin, a sound server and Qt's
# own translations (of a text box's menu, say) are welcome, but the game runs without them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, pulseaudio | pipewire-pulse, sound-theme-freedesktop, qt6-translations-l10n")

# Debian's changelog, manual pages compressed, lintian's overrides, stripped programs and the
# library dependencies are added in the staging folder, so that plain installs stay as they are.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/DebianStaging.cmake")
set(CPACK_BNG_DEBIAN "${PROJECT_SOURCE_DIR}/dist/debian")
set(CPACK_BNG_STRIP "${CMAKE_STRIP}")

include(CPack)
