# The Debian package: `cpack -G DEB` in the build folder. Library dependencies come from
# dpkg-shlibdeps (libqt6svg6, which also holds the SVG icon engine plugin, among them); what
# it cannot see is named here: the font the window layout was measured with, and Qt's Wayland
# platform plugin, without which the program cannot start in a Wayland-only session.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME amplora)
set(CPACK_PACKAGE_VENDOR "Orvane Instruments, Inc")
set(CPACK_PACKAGE_CONTACT "Orvane Instruments <service@orvane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orvane.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vibration unit converter")
# Lines of at most 80 columns, as Debian wants them; CPack indents them.
set(CPACK_PACKAGE_DESCRIPTION
  "Amplora is for people who measure machine vibration. Given the frequency of
one vibration peak, in Hz or in cycles per minute, and one known level, it
shows that level in every other common unit at once: acceleration in g rms and
g peak, velocity in in/sec and mm/sec rms and peak, displacement in mils and
mm peak-to-peak, and acceleration and velocity decibels under the US or the
ISO references.

A Celsius and Fahrenheit converter, operating help and a tutorial on vibration
units come with it, and every window can be printed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-wayland")
# The bell under Wayland on the sound server's event stream, whose volume the desktop sets.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse")
# Two builds of one commit give the same bytes: every time in the package is the commit's.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package_time.cmake)
set(CPACK_AMPLORA_SOURCE_DIR ${PROJECT_SOURCE_DIR})
include(CPack)
