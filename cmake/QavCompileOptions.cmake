# Warnings, sanitizers and the helper every library of src/ is declared with.

add_library(qav_options INTERFACE)
target_compile_options(qav_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
  -Wno-sign-conversion)
# GCC 12 at -O3 reports impossible overlaps inside std::string concatenation (GCC bug 105651).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(qav_options INTERFACE -Wno-restrict)
endif()
if(QAV_WERROR)
  target_compile_options(qav_options INTERFACE -Werror)
endif()
if(QAV_SANITIZE)
  target_compile_options(qav_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(qav_options INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(qav_options INTERFACE
  QAV_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  QAV_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  QAV_VERSION_PATCH=${PROJECT_VERSION_PATCH})

# qav_library(<name> SOURCES ... DEPS ...): one static library per folder of src/.
function(qav_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC qav_options ${ARG_DEPS})
endfunction()
