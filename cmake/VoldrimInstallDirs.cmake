# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed layout. The help pages go with the documentation, under the
# package's lower-case name.
set(CMAKE_INSTALL_DOCDIR "share/doc/voldrim" CACHE PATH "Documentation, with the help pages (DATAROOTDIR/doc/voldrim)")
include(GNUInstallDirs)

# The program's id on the desktop: the name of its menu entry, icon and
# AppStream metainfo. It never changes, or desktops lose track of it.
set(VOLDRIM_APP_ID "io.github.voldrim.Voldrim")
# The start-up and good-bye sounds.
set(VOLDRIM_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/voldrim")
# The program finds its sounds from its own folder, so that an installation
# moved to another prefix still finds them.
file(RELATIVE_PATH VOLDRIM_DATA_FROM_PROGRAM "${CMAKE_INSTALL_FULL_BINDIR}"
  "${CMAKE_INSTALL_FULL_DATADIR}/voldrim")
