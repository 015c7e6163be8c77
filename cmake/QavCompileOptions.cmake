# Warnings, sanitizers and the helper every library of src/ is declared with.

add_library(qav_options INTERFACE)
if(MSVC)
  # Sources are UTF-8; /permissive- holds the compiler to the standard as GCC and Clang are.
  target_compile_options(qav_options INTERFACE /W4 /permissive- /utf-8)
  if(QAV_WERROR)
    target_compile_options(qav_options INTERFACE /WX)
  endif()
else()
  target_compile_options(qav_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion)
  if(QAV_WERROR)
    target_compile_options(qav_options INTERFACE -Werror)
  endif()
endif()
# GCC 12 at -O3 reports impossible overlaps inside std::string concatenation (GCC bug 105651).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(qav_options INTERFACE -Wno-restrict)
endif()
if(WIN32)
  # windows.h without the min and max macros (they break std::min and std::max); the UTF-16 ("W")
  # functions behind its generic names.
  target_compile_definitions(qav_options INTERFACE NOMINMAX UNICODE _UNICODE)
endif()
# Debian's hardening: fortified string and memory functions, a stack protector, position-independent
# executables and read-only relocations bound at start. The sanitizers bring their own checks.
if(UNIX AND NOT APPLE AND NOT QAV_SANITIZE)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  target_compile_options(qav_options INTERFACE -fstack-protector-strong
    # The fortified functions need the optimiser; a debug build would only warn.
    $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  target_link_options(qav_options INTERFACE -Wl,-z,relro -Wl,-z,now)
endif()
if(QAV_SANITIZE AND WIN32)
  message(FATAL_ERROR "The sanitizers are built for Linux only")
endif()
if(QAV_SANITIZE)
  target_compile_options(qav_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(qav_options INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(qav_options INTERFACE
  QAV_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  QAV_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  QAV_VERSION_PATCH=${PROJECT_VERSION_PATCH}
  QAV_APP_ID="${QAV_APP_ID}")

# qav_library(<name> SOURCES ... DEPS ...): one static library per folder of src/.
function(qav_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC qav_options ${ARG_DEPS})
endfunction()
