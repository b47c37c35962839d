# The Windows deliverables of a cross build, made by the target keyvora_windows_package:
#   Keyvora/              the portable folder: the program folder with the DLLs it needs
#   keyvora-win64.zip     that folder zipped
#   keyvora-setup.exe     an installer made with NSIS (when makensis is present)

set(KEYVORA_PORTABLE_DIR "${CMAKE_BINARY_DIR}/Keyvora")
set(KEYVORA_ZIP "${CMAKE_BINARY_DIR}/keyvora-win64.zip")
set(KEYVORA_SETUP "${CMAKE_BINARY_DIR}/keyvora-setup.exe")

# Only what the program loads: Qt's modules, the platform plugin, a style, the TLS backend for
# the web pages, SDL with its mixer (loaded when the sound starts) and the GCC runtime.
set(dlls "")
foreach(module Core Gui Widgets Network)
  list(APPEND dlls "${KEYVORA_QT_BIN_DIR}/Qt6${module}.dll")
endforeach()
list(APPEND dlls "${KEYVORA_SDL_BIN_DIR}/SDL2.dll" "${KEYVORA_SDL_BIN_DIR}/SDL2_mixer.dll"
     ${KEYVORA_GCC_RUNTIME_DLLS})
set(plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll tls/qschannelbackend.dll)

add_custom_target(keyvora_windows_package
  COMMAND "${CMAKE_COMMAND}" "-DPROGRAM_DIR=${KEYVORA_PROGRAM_DIR}"
          "-DPORTABLE_DIR=${KEYVORA_PORTABLE_DIR}" "-DDLLS=${dlls}"
          "-DPLUGIN_DIR=${KEYVORA_QT_PLUGIN_DIR}" "-DPLUGINS=${plugins}"
          "-DSTRIP=${CMAKE_STRIP}" -P "${CMAKE_CURRENT_LIST_DIR}/make_portable_folder.cmake"
  COMMAND "${CMAKE_COMMAND}" -E rm -f "${KEYVORA_ZIP}"
  # File names are UTF-8 whatever the caller's locale: in the C locale the archiver cannot
  # read the Chinese ones. The zip marks them as UTF-8, as Windows expects.
  COMMAND "${CMAKE_COMMAND}" -E chdir "${CMAKE_BINARY_DIR}" "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8
          "${CMAKE_COMMAND}" -E tar cf "${KEYVORA_ZIP}" --format=zip Keyvora
  COMMENT "Laying out the portable folder Keyvora and zipping it"
  VERBATIM)
add_dependencies(keyvora_windows_package keyvora keyvora_program_folders
                 keyvora_feature_description course_data)
foreach(optional sound_pack song_font)
  if(TARGET ${optional})
    add_dependencies(keyvora_windows_package ${optional})
  endif()
endforeach()

find_program(KEYVORA_MAKENSIS makensis)
if(KEYVORA_MAKENSIS)
  configure_file("${CMAKE_CURRENT_LIST_DIR}/keyvora.nsi.in" "${CMAKE_BINARY_DIR}/keyvora.nsi" @ONLY)
  add_custom_command(TARGET keyvora_windows_package POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 # it crashes on the script in the C locale
            "${KEYVORA_MAKENSIS}" -V2 "${CMAKE_BINARY_DIR}/keyvora.nsi"
    COMMENT "Making the installer keyvora-setup.exe"
    VERBATIM)
else()
  message(STATUS "makensis (nsis) not found: no installer is made")
endif()
