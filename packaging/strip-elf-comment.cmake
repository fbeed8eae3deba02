# Run by CPack on the staged files before it packs them: removes the .comment section (the
# compilers' version notes) from every ELF file, as Debian's own packaging tools do. CPack's
# strip keeps it.
find_program(OBJCOPY objcopy REQUIRED)
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file IN LISTS staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND ${OBJCOPY} --remove-section=.comment "${file}" RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "objcopy could not remove .comment from ${file}")
    endif()
  endif()
endforeach()
