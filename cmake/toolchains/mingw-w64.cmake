# Cross-building for 64-bit Windows on Debian with MinGW-w64. The "-posix" compilers carry the C++
# threads the program and its tests need. Built programs and tests run under Wine.
#
# Qt for Windows: pass its prefix as QAV_WINDOWS_QT (scripts/test-windows builds it) and
# QT_HOST_PATH=/usr, so that moc, rcc and uic come from the Linux Qt of the same version.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(QAV_WINDOWS_QT "/var/cache/qav-launcher/qt-6.4.2-mingw64" CACHE PATH "Qt for Windows")
set(QAV_WINDOWS_GTEST "" CACHE PATH "GoogleTest built for Windows (empty: none)")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${QAV_WINDOWS_QT} ${QAV_WINDOWS_GTEST})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
