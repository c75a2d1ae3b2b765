# SPDX-License-Identifier: MIT
# Run at install time: writes the man pages into man1 with the paths of this installation
# (the prefix is only known now: `cmake --install --prefix`, or /usr for the Debian package),
# compressed with gzip -n so that they are the same from build to build.
# Given: RHEO_MAN_SOURCES (the *.1.in), RHEO_MAN_WORK_DIR, RHEO_INSTALL_DATADIR,
# RHEO_INSTALL_MANDIR, RHEO_VERSION, RHEO_GZIP.
set(RHEO_INSTALL_FULL_DATADIR "${CMAKE_INSTALL_PREFIX}/${RHEO_INSTALL_DATADIR}")
set(PROJECT_VERSION "${RHEO_VERSION}")
foreach(source IN LISTS RHEO_MAN_SOURCES)
  get_filename_component(page "${source}" NAME_WLE)
  configure_file("${source}" "${RHEO_MAN_WORK_DIR}/${page}" @ONLY)
  execute_process(COMMAND "${RHEO_GZIP}" -9 -n -f "${RHEO_MAN_WORK_DIR}/${page}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress the man page ${page}")
  endif()
  file(INSTALL "${RHEO_MAN_WORK_DIR}/${page}.gz"
       DESTINATION "${CMAKE_INSTALL_PREFIX}/${RHEO_INSTALL_MANDIR}/man1")
endforeach()
