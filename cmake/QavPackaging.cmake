# The Debian package: `cpack --preset deb` (or `cpack -G DEB` in a release build folder) packs
# what `cmake --install` lays out under /usr. The libraries come from dpkg-shlibdeps; the Qt
# plugins the program loads at run time (the X11 platform plugin, the SVG icon readers for the
# desktop's icon theme) are not linked, so they are named here.

set(QAV_PACKAGE_MAINTAINER "QAV Launcher maintainers <maintainers@brevona.com>"
  CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qav-launcher)
set(CPACK_PACKAGE_VENDOR Brevona)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ring-shaped application launcher")
set(CPACK_PACKAGE_DESCRIPTION
  "QAV Launcher shows a ring of icons around a centre picture on top of the desktop.
Hovering magnifies an icon; a click starts a program, opens a document, a folder
or a web site, or unfolds a group menu. Files dropped on the ring become items,
and a keyboard mode labels every icon with a key.")
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
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
