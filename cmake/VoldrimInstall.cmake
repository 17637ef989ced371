# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package that cpack
# builds from the same files.
# The program links system libraries alone: it needs no search path of its own.
set_target_properties(voldrim PROPERTIES INSTALL_RPATH "")
install(TARGETS voldrim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/cello.wav ${PROJECT_SOURCE_DIR}/data/babye.wav
  DESTINATION ${VOLDRIM_INSTALL_DATADIR})
# The program shows its help pages from its own resources; these copies
# are for reading in a browser.
file(GLOB help_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/help/*.html)
install(FILES ${help_pages} DESTINATION ${CMAKE_INSTALL_DOCDIR}/html)
# The program's icon (icon 2 of its resources) is its icon on the desktop too.
install(FILES ${PROJECT_SOURCE_DIR}/res/bitmaps/2.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${VOLDRIM_APP_ID}.svg)
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/${VOLDRIM_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/${VOLDRIM_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The melody file's type, which the menu entry opens; the desktop's
# database takes it in at update-mime-database (the Debian package's
# triggers run it).
install(FILES ${PROJECT_SOURCE_DIR}/res/desktop/${VOLDRIM_APP_ID}.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/res/man/voldrim.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The package depends on the libraries the program links, as dpkg-shlibdeps
# finds them; on those it loads itself when first needed, which
# dpkg-shlibdeps cannot see: Qt SQL's SQLite driver, FluidSynth, aubio,
# PulseAudio's simple interface, libzip, RtMidi and libsndfile
# (cmake/VoldrimLoadedLibrary.cmake); and on
# a soundfont for the built-in synthesizer; nothing needed only to build it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voldrim)
set(CPACK_PACKAGE_CONTACT "Voldrim maintainers" CACHE STRING "Maintainer of the Debian package")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn to read the bass clef on the cello")
set(CPACK_PACKAGE_DESCRIPTION "Voldrim helps cello students learn to read music in the bass clef.
A cello fingerboard stands beside a bass-clef staff: click a stop to hear
its note and see it written, write melodies and play them back, and answer
questions between the staff and the fingerboard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6sql6-sqlite, libfluidsynth3, libaubio5, libpulse0, libzip4, librtmidi6, libsndfile1, fluid-soundfont-gm | timgm6mb-soundfont")
include(CPack)
