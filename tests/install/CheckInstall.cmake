# Installs the build into a fresh prefix and checks what a desktop needs is where it looks:
# the program, its translations, the desktop entry and the icon, and never the virtual
# microscope. Run by ctest: cmake -DBUILD_DIR=... -DPREFIX=... -DLANGUAGES=... -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.16)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

string(REPLACE "|" ";" LANGUAGES "${LANGUAGES}")
include(${CMAKE_CURRENT_LIST_DIR}/InstalledFiles.cmake)
lumivex_installed_files(expected)
foreach(path IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files differ.\nexpected: ${expected}\ninstalled: ${installed}")
endif()

# The entry starts the installed program under its icon's name.
file(STRINGS ${PREFIX}/share/applications/lumivexpro.desktop entry)
foreach(line "Exec=lumivexpro" "Icon=lumivexpro" "Type=Application")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "lumivexpro.desktop lacks ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
