# Run by CPack on the staged files before packing: drops the compilers' identification notes,
# which the stripped programs still carry from the C runtime's start-up files.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/lib/bandwise/Bandwise"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/lib/bandwise/Settings"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/bandwise-cli")
foreach(program ${programs})
  execute_process(COMMAND objcopy --remove-section=.comment "${program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
