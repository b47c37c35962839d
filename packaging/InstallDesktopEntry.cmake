# Run at install time: writes the desktop entry for the prefix the install really uses. Where
# the program's bin folder is on every user's PATH, launchers start it by name; elsewhere by its
# full path, quoted and escaped as desktop entries require.
# Expects KEYVORA_DESKTOP_IN, KEYVORA_DESKTOP_OUT, KEYVORA_BINDIR and KEYVORA_APPLICATIONS_DIR.
set(bin "${CMAKE_INSTALL_PREFIX}/${KEYVORA_BINDIR}")
if(bin MATCHES "^/usr(/local)?/bin/?$")
  set(KEYVORA_EXEC "keyvora")
else()
  set(path "${bin}/keyvora")
  # Inside quotes \ " ` $ take a backslash, which the file's string escape doubles again.
  string(REPLACE "\\" "\\\\\\\\" path "${path}")
  string(REPLACE "\"" "\\\\\"" path "${path}")
  string(REPLACE "`" "\\\\`" path "${path}")
  string(REPLACE "$" "\\\\$" path "${path}")
  string(REPLACE "%" "%%" path "${path}")
  set(KEYVORA_EXEC "\"${path}\"")
endif()
configure_file("${KEYVORA_DESKTOP_IN}" "${KEYVORA_DESKTOP_OUT}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${KEYVORA_APPLICATIONS_DIR}" TYPE FILE
     FILES "${KEYVORA_DESKTOP_OUT}")
