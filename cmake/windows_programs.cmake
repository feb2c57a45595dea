# What the Windows programs carry and what goes beside them when installed
# (and so into the zip that `make package` or cpack makes).

# Each program file shows the icon and a version record in Explorer.
function(tandem_windows_resource target description)
  set(TANDEM_RC_NAME ${target})
  set(TANDEM_RC_DESCRIPTION "${description}")
  set(TANDEM_RC_ICON ${PROJECT_SOURCE_DIR}/app/tandem.ico)
  set(rc ${CMAKE_BINARY_DIR}/generated/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/windows_resource.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

tandem_windows_resource(tandem-append "Tandem: appends one Audition session to another")
tandem_windows_resource(tandem-check "Tandem: checks Audition sessions")

if(MINGW)
  # The tools carry the compiler's runtime inside, so each runs on its own.
  set_property(TARGET tandem-append tandem-check APPEND PROPERTY LINK_OPTIONS -static)
endif()

if(NOT TANDEM_BUILD_GUI)
  return()
endif()

tandem_windows_resource(tandem "Tandem")

if(MINGW)
  # The window, Qt's DLLs and the compiler's runtime DLLs they share, and the
  # plugins Qt loads from the program's folder: the Windows platform and the
  # Windows style. Nothing here installs DLLs of the system.
  foreach(module Core Gui Widgets Network)
    install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${CMAKE_INSTALL_BINDIR})
  endforeach()
  install(FILES ${TANDEM_MINGW_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
  # Debian's runtime DLLs carry their symbols (libstdc++ alone is 23 MB); the
  # programs need theirs no more than the DLLs do.
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(GLOB_RECURSE binaries \"\${bin}/*.dll\" \"\${bin}/*.exe\")
    foreach(binary IN LISTS binaries)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${binary}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  ")
else()
  # Qt's deployment tool copies what the window needs; Qt 6.5 renamed the
  # argument that receives the script.
  if(Qt6_VERSION VERSION_LESS 6.5)
    qt_generate_deploy_app_script(TARGET tandem FILENAME_VARIABLE deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
  else()
    qt_generate_deploy_app_script(TARGET tandem OUTPUT_SCRIPT deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
  endif()
  install(SCRIPT ${deploy_script})
  if(MSVC)
    include(InstallRequiredSystemLibraries)
  endif()
endif()
