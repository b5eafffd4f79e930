# Builds the Debian package, unpacks it into a scratch root and checks it as a user's machine
# would see it: the installed files under /usr and nothing else, the dependencies a camera
# needs at run time, and that the installed program starts and finds its translations there.
# Run by ctest: cmake -DBUILD_DIR=... -DWORK=... -DLANGUAGES=... -P CheckPackage.cmake
cmake_minimum_required(VERSION 3.16)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
file(GLOB package ${WORK}/lumivexpro_*_amd64.deb)
if(NOT result EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack failed: ${output} ${errors}")
endif()

set(root ${WORK}/root)
execute_process(COMMAND dpkg-deb -x ${package} ${root} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x ${package} failed")
endif()
string(REPLACE "|" ";" LANGUAGES "${LANGUAGES}")
include(${CMAKE_CURRENT_LIST_DIR}/InstalledFiles.cmake)
lumivex_installed_files(files)
list(TRANSFORM files PREPEND usr/ OUTPUT_VARIABLE expected)
file(GLOB_RECURSE unpacked RELATIVE ${root} ${root}/*)
list(SORT unpacked)
if(NOT unpacked STREQUAL expected)
  message(FATAL_ERROR "packaged files differ.\nexpected: ${expected}\npackaged: ${unpacked}")
endif()

# Read off the binary, plus the camera plugins nothing links to.
execute_process(COMMAND dpkg-deb -f ${package} Depends OUTPUT_VARIABLE depends)
foreach(name libqt5widgets5 libavcodec59 libyuv0 libqt5multimedia5-plugins
             gstreamer1.0-plugins-bad)
  if(NOT depends MATCHES "(^|, )${name}( |,|$)")
    message(FATAL_ERROR "the package does not depend on ${name}: ${depends}")
  endif()
endforeach()

# The unpacked program starts with fresh settings (English), loads its translation from the
# package's share folder, and closes normally on SIGTERM. QT_PLUGIN_PATH is dropped so that it
# sees what an installed program sees: real cameras only.
set(home ${WORK}/home)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=QT_PLUGIN_PATH QT_QPA_PLATFORM=offscreen
          HOME=${home} XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data
          XDG_CACHE_HOME=${home}/cache "QT_LOGGING_RULES=lumivex.app.debug=true"
          timeout --preserve-status -s TERM 8 ${root}/usr/bin/lumivexpro
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
set(translation ${root}/usr/share/lumivexpro/lang/specula_en.qm)
string(FIND "${errors}" "${translation}" found)
if(NOT result EQUAL 0 OR found EQUAL -1)
  message(FATAL_ERROR "the installed program (exit ${result}) did not load ${translation}:\n"
                      "${output}${errors}")
endif()
file(REMOVE_RECURSE ${WORK})
