# Runs the Windows programs of a cross build under Wine: the build-time tools (artwork, sound
# manifest) and the test suites. The wrapper gives Wine a prefix of its own in the build folder
# and puts the folders of the DLLs the programs need on Wine's search path.

find_program(KEYVORA_WINE NAMES wine REQUIRED)

# The folders of the DLLs: Qt's, SDL's and the GCC runtime's. The same files go into the
# portable folder.
set(KEYVORA_QT_BIN_DIR "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
set(KEYVORA_QT_PLUGIN_DIR "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
get_filename_component(KEYVORA_SDL_BIN_DIR "${SDL2_MIXER_PREFIX}/bin" ABSOLUTE)
set(KEYVORA_GCC_RUNTIME_DLLS "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(found "${found}" ABSOLUTE)
  if(NOT EXISTS "${found}")
    message(FATAL_ERROR "The GCC runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
  endif()
  list(APPEND KEYVORA_GCC_RUNTIME_DLLS "${found}")
endforeach()

set(wine_path "")
foreach(file IN LISTS KEYVORA_GCC_RUNTIME_DLLS)
  get_filename_component(folder "${file}" DIRECTORY)
  list(APPEND wine_path "${folder}")
endforeach()
list(PREPEND wine_path "${KEYVORA_QT_BIN_DIR}" "${KEYVORA_SDL_BIN_DIR}")
list(REMOVE_DUPLICATES wine_path)
list(TRANSFORM wine_path REPLACE "/" "\\\\")
list(TRANSFORM wine_path PREPEND "Z:")
set(KEYVORA_WINEPATH "${wine_path}") # a list is already ';'-separated, as Windows wants it
set(KEYVORA_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix")

set(KEYVORA_WINE_RUN "${CMAKE_BINARY_DIR}/wine-run")
configure_file("${CMAKE_CURRENT_LIST_DIR}/wine-run.in" "${KEYVORA_WINE_RUN}" @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR "${KEYVORA_WINE_RUN}")
