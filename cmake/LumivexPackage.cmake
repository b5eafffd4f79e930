# The Debian package: what `cmake --install` puts under the prefix (the program, its
# translations, the desktop entry and the icon), installed under /usr. Built after a build with
#   cd build && cpack -G DEB          (or scripts/package.sh)
# The library dependencies are read off the binary by dpkg-shlibdeps; the camera plugins are
# loaded at run time, so no binary names them and they are listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumivexpro)
set(CPACK_PACKAGE_VENDOR "Lumivex Pro developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Live picture, measuring, capture and recording for USB digital microscopes")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Lumivex Pro developers <packages@lumivexpro.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The summary above is the first line of the package's description; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Lumivex Pro shows the live picture of a USB digital microscope, measures on it in
real units through stored calibrations (lengths, areas, angles, circles and text
notes), captures pictures and records H.264 videos of what the view shows, also as
timed series, and browses, compares and prints the stored files.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The build keeps its debug information; users get a stripped program.
set(CPACK_STRIP_FILES ON)
# Qt Multimedia reaches cameras through its GStreamer plugin (libqt5multimedia5-plugins), which
# needs GStreamer's camera source and the decoders of the formats USB cameras send.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt5multimedia5-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad")
# The Chinese, Japanese and Korean interfaces need a font that has their characters.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
include(CPack)
