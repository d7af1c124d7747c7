# Debian package of everything `cmake --install` puts in place (cpack -G DEB in the build tree).
# Run-time dependencies are read off the binaries by dpkg-shlibdeps (Qt 5, liblo, cpp-httplib, ...);
# the test command checks the result with dpkg-deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vpcontrol)
set(CPACK_PACKAGE_VENDOR "Corlune")
set(CPACK_PACKAGE_CONTACT "vpcontrol maintainers <maintainers@users.noreply.c-seed-b3431876.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Control application for LED-wall video processors")
set(CPACK_PACKAGE_DESCRIPTION "vpcontrol finds LED-wall video processors on serial ports and the \
local network, reads back their state and controls windows, inputs, presets, outputs, EDID, picture \
and timed tasks. vpctl is its command-line companion; vpsim simulates processors for trying layouts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
