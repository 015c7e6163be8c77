# The Debian package: `cpack --preset deb` (or `cpack -G DEB` in a release build folder) packs
# what `cmake --install` lays out under /usr. The libraries come from dpkg-shlibdeps. Named by hand
# is only what the program uses without linking it:
#   libqt6svg6  the SVG image and icon-engine plugins, for the desktop's icon theme (the X11
#               platform plugin itself is part of libqt6gui6);
#   xdg-utils   xdg-open, xdg-mime and xdg-settings, through which documents, folders, web
#               addresses and the default programs are reached;
#   file        what xdg-open asks the type of a folder or document with when no desktop
#               environment answers (a plain window manager): without it, on a bare system,
#               every folder and document item fails to open (the bare-system test shows it).
# Recommended:
#   qt6-wayland            Qt's Wayland platform plugin: the dock runs natively in a Wayland
#                          session with it (XWayland without);
#   qt6-translations-l10n  Qt's own texts in the user's language (qtbase_<language>.qm): the
#                          standard buttons of the message boxes, the file dialog. Without it the
#                          windows still speak the user's language (the program's translations
#                          are in this package), only those buttons stay English: 13 MB of every
#                          language Qt knows is too much to require for that.
# A terminal emulator is only needed for programs that run in one, so it is suggested.
# With SOURCE_DATE_EPOCH set, every file in the package carries that time: two builds of the same
# sources give the same package.

set(QAV_PACKAGE_MAINTAINER "QAV Launcher maintainers <maintainers@brevona.com>"
  CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qav-launcher)
set(CPACK_PACKAGE_VENDOR Brevona)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ring-shaped application launcher")
set(CPACK_PACKAGE_DESCRIPTION
  "QAV Launcher shows a ring of icons around a centre picture on top of the
desktop. Hovering magnifies an icon; a click starts a program, opens a
document, a folder or a web site, or unfolds a group menu. Files dropped on
the ring become items, and a keyboard mode labels every icon with a key.")
set(CPACK_PACKAGE_CONTACT "${QAV_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brevona.com/")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QAV_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, xdg-utils, file")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "x-terminal-emulator")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Sections a package does not ship (the compilers' .comment), taken out of the staged binaries.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/QavStripSections.cmake")

include(CPack)
