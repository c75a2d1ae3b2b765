# SPDX-License-Identifier: MIT
# The Debian package rheo, made by CPack from the install rules: `cpack -G DEB` in the build
# directory (or `cmake --build . --target package`) writes rheo_<version>-1_<arch>.deb.
#
# Its dependencies: dpkg-shlibdeps finds the libraries the two programs link (the C++
# runtime, Qt 6 Core, Gui, Widgets and PrintSupport, SQLite for the history). What the
# programs load only at run time is declared by hand, since no linker sees it:
#   qt6-qpa-plugins    Qt's platform plugins beyond those of libqt6gui6 (which brings the
#                      X11 and offscreen ones and comes with the linked libraries)
#   libchm1            the CHM reader library, opened when help is first asked for
#   libasound2         the sound library of the alarm tone, opened when the alarm sounds
#   fonts-liberation2  the fonts of the reports and the timer (metric twins of the faces the
#                      program's layouts were measured in)

set(RHEO_PACKAGE_MAINTAINER "RHEO maintainers <maintainers@rheo.invalid>"
    CACHE STRING "Maintainer of the Debian package: name and e-mail address")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rheo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${RHEO_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viscosity calculator for a capillary viscometer")
# Each line of the description within 79 columns, with the blank Debian puts before it.
set(CPACK_PACKAGE_DESCRIPTION
    "The calculator that stands beside a five-cell capillary viscometer
measuring the viscosity of engine oils at about one million reciprocal
seconds. It turns the gas pressure and the efflux time of a sample run into
viscosity, shear rate and Reynolds number with the cell's calibration,
recommends the pressure to run at, times the temperature equilibrium,
calibrates the cells from weighings and standard oils, keeps the
calibration and results files and prints reports.

The package holds the window program rheo, rheo-cli (the same calculations
for scripts and LIMS exports), the help file and an example calibration.")
# A Debian package installs into /usr, whatever prefix the build was configured for. The
# install rules then run with that prefix (and the staging directory as DESTDIR), so that
# the man pages name the package's own paths. The window finds its help file from its own
# directory; configure with -DCMAKE_INSTALL_PREFIX=/usr to make the full path compiled in
# as the second choice the package's too.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RHEO_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libchm1, libasound2, fonts-liberation2")
# On a Wayland desktop the window runs natively with this platform plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
