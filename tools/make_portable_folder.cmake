# Lays out the portable Windows folder from the build's program folder (cmake -P, called by the
# target keyvora_windows_package). The settings folder goes in empty: whatever a trial run of
# the build saved there is no one else's business.
file(REMOVE_RECURSE "${PORTABLE_DIR}")
file(MAKE_DIRECTORY "${PORTABLE_DIR}/数据库")
file(GLOB contents LIST_DIRECTORIES true "${PROGRAM_DIR}/*")
foreach(entry IN LISTS contents)
  get_filename_component(name "${entry}" NAME)
  if(NOT name STREQUAL "数据库")
    file(COPY "${entry}" DESTINATION "${PORTABLE_DIR}")
  endif()
endforeach()
file(COPY ${DLLS} DESTINATION "${PORTABLE_DIR}")
foreach(plugin IN LISTS PLUGINS)
  get_filename_component(folder "${plugin}" DIRECTORY)
  file(COPY "${PLUGIN_DIR}/${plugin}" DESTINATION "${PORTABLE_DIR}/${folder}")
endforeach()
# The executable and the GCC runtime come with their symbol tables (libstdc++ alone is 23 MB).
if(STRIP)
  file(GLOB binaries "${PORTABLE_DIR}/*.exe" "${PORTABLE_DIR}/*.dll")
  execute_process(COMMAND "${STRIP}" --strip-unneeded ${binaries} COMMAND_ERROR_IS_FATAL ANY)
endif()
