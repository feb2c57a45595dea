# The runtime DLLs of the MinGW-w64 compiler: programs linked against Qt share
# them with Qt's DLLs and need them beside them.
#   TANDEM_MINGW_RUNTIME_DLLS  their full paths
#   TANDEM_MINGW_RUNTIME_DIRS  the folders that hold them
set(TANDEM_MINGW_RUNTIME_DLLS "")
set(TANDEM_MINGW_RUNTIME_DIRS "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  # The compiler echoes a name it cannot find.
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The compiler's runtime ${dll} was not found (${CMAKE_CXX_COMPILER} -print-file-name)")
  endif()
  file(REAL_PATH "${found}" found)
  get_filename_component(folder "${found}" DIRECTORY)
  list(APPEND TANDEM_MINGW_RUNTIME_DLLS "${found}")
  list(APPEND TANDEM_MINGW_RUNTIME_DIRS "${folder}")
endforeach()
list(REMOVE_DUPLICATES TANDEM_MINGW_RUNTIME_DIRS)
