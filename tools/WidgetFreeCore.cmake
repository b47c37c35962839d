# The core library and its tests are widget-free, and the build enforces it.
#
# Not linking Qt6::Widgets keeps <QLabel> off the include path, but Qt's include root is on the
# path of every Qt target, so <QtWidgets/QLabel> would still be found and compile. A folder of
# our own, searched before Qt's, holds a header under every Qt Widgets header name (both forms,
# <QLabel> and <QtWidgets/QLabel>) whose only line is an #error. Names that Qt Core, Gui or
# Network also provide (QAction, QShortcut, ...) are left alone: those are not widgets.

set(KEYVORA_WIDGET_GUARD_DIR "${CMAKE_BINARY_DIR}/widget-free-core")

function(keyvora_make_widget_guard)
  set(widget_dir "")
  set(other_dirs "")
  foreach(module Widgets Core Gui Network)
    get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
    foreach(dir IN LISTS dirs)
      if(dir MATCHES "/Qt${module}$" AND IS_DIRECTORY "${dir}")
        if(module STREQUAL "Widgets")
          set(widget_dir "${dir}")
        else()
          list(APPEND other_dirs "${dir}")
        endif()
      endif()
    endforeach()
  endforeach()
  if(NOT widget_dir)
    message(FATAL_ERROR "The Qt Widgets headers were not found: the widget-free core cannot be guarded")
  endif()

  file(GLOB widget_headers LIST_DIRECTORIES false RELATIVE "${widget_dir}" "${widget_dir}/*")
  set(shared "")
  foreach(dir IN LISTS other_dirs)
    file(GLOB names LIST_DIRECTORIES false RELATIVE "${dir}" "${dir}/*")
    list(APPEND shared ${names})
  endforeach()
  list(REMOVE_ITEM widget_headers ${shared})

  file(REMOVE_RECURSE "${KEYVORA_WIDGET_GUARD_DIR}")
  foreach(name IN LISTS widget_headers)
    set(text "#error \"Qt Widgets header <${name}> in the widget-free core: widget code belongs under src/ui\"\n")
    # <QtWidgets> itself names the folder below; it is not found without the module's path.
    if(NOT name STREQUAL "QtWidgets")
      file(WRITE "${KEYVORA_WIDGET_GUARD_DIR}/${name}" "${text}")
    endif()
    file(WRITE "${KEYVORA_WIDGET_GUARD_DIR}/QtWidgets/${name}" "${text}")
  endforeach()
endfunction()
keyvora_make_widget_guard()

# Puts the guard ahead of Qt's headers for one target's own sources (not for its users).
function(keyvora_widget_free target)
  target_include_directories(${target} BEFORE PRIVATE "${KEYVORA_WIDGET_GUARD_DIR}")
endfunction()

# The libraries depend one way: ui -> audio -> core. Checked on what each links directly.
function(keyvora_check_layers)
  set(forbidden_keyvora_core Qt6::Widgets keyvora_audio keyvora_ui keyvora_sdl_headers
      PkgConfig::SDL2_MIXER)
  set(forbidden_keyvora_audio Qt6::Widgets keyvora_ui)
  foreach(target keyvora_core keyvora_audio)
    get_target_property(linked ${target} LINK_LIBRARIES)
    get_target_property(interface ${target} INTERFACE_LINK_LIBRARIES)
    foreach(library IN LISTS forbidden_${target})
      if(library IN_LIST linked OR library IN_LIST interface)
        message(FATAL_ERROR "${target} must not link ${library}: the layers depend ui -> audio -> core")
      endif()
    endforeach()
  endforeach()
endfunction()
