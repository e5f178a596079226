# The Debian package (cpack -G DEB in the build folder, or the `package`
# target). Build it from a folder configured with -DCMAKE_INSTALL_PREFIX=/usr,
# as scripts/make-package.sh does, so that the settings land in /etc/tintaro.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintaro)
set(CPACK_PACKAGE_VENDOR "The Tintaro team")
set(CPACK_PACKAGE_CONTACT "Tintaro team <tintaro@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colouring book for young children")
set(CPACK_PACKAGE_DESCRIPTION
  "Tintaro fills the whole screen with one line drawing at a time. The child\n"
  "picks a colour from the palette or from a row of shades and clicks inside\n"
  "an outlined area to flood it with colour. A pencil, a ruler and textures\n"
  "add to the fun. There is no text to read and no menu to get lost in.\n"
  "\n"
  "Eight sets of pages are included. Every coloured page is kept in the\n"
  "user's own folder. Parents and teachers can add their own line drawings\n"
  "with tintaro-import or from the file manager.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
# Staged through DESTDIR, so the settings' absolute /etc folder lands in the
# package, never on the building machine.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the executables link, found by dpkg-shlibdeps ...
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# ... and what Qt loads at run time instead (read from a running program's
# memory map): the X11 platform, the compose input context and the GIF and
# JPEG readers ship inside libqt6gui6, SVG inside libqt6svg6, and sounds go
# to PulseAudio through libqt6multimedia6 without a backend plugin; the
# splash's fonts, Comic Neue and Liberation Sans, are packages of their own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/packaging/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
