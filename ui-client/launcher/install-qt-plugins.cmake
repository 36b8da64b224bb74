# Install step: links the plugin folders the launcher needs from the system's
# Qt (LARKSPAN_QT_PLUGIN_DIR) into ROOT/lib/plugins. Folders the system does
# not have (no Wayland support installed, say) are left out.
set(larkspan_plugin_kinds
  platforms xcbglintegrations platformthemes platforminputcontexts imageformats iconengines
  wayland-decoration-client wayland-graphics-integration-client wayland-shell-integration)

set(larkspan_plugins "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/lib/plugins")
file(MAKE_DIRECTORY "${larkspan_plugins}")
foreach(kind IN LISTS larkspan_plugin_kinds)
  set(target "${LARKSPAN_QT_PLUGIN_DIR}/${kind}")
  set(link "${larkspan_plugins}/${kind}")
  if(IS_DIRECTORY "${target}")
    message(STATUS "Linking: ${link} -> ${target}")
    file(REMOVE "${link}")
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
  endif()
endforeach()
