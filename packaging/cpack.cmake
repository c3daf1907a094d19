# The Debian package: `cpack -G DEB` in the build folder. Library dependencies come from
# dpkg-shlibdeps (libqt6svg6, which also holds the SVG icon engine plugin, among them); what
# it cannot see is named here: the font the window layout was measured with.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME amplora)
set(CPACK_PACKAGE_VENDOR "Orvane Instruments, Inc")
set(CPACK_PACKAGE_CONTACT "Orvane Instruments <service@orvane.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orvane.example")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vibration unit converter")
set(CPACK_PACKAGE_DESCRIPTION
  "Converts one machine-vibration level, at the frequency of its peak, into every other\
 common unit of acceleration, velocity, displacement and decibels; with a temperature\
 converter, operating help and a tutorial.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
include(CPack)
