# Run by CPack on the staged files before they are packed: removes from every executable the
# sections Debian's packages do not carry (the compilers' ".comment" and a bare ".note").
find_program(QAV_OBJCOPY objcopy REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/libexec/*")
foreach(binary IN LISTS staged)
  execute_process(COMMAND "${QAV_OBJCOPY}" --remove-section=.comment --remove-section=.note
                          "${binary}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "objcopy could not clean ${binary}")
  endif()
endforeach()
