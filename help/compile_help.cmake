# SPDX-License-Identifier: MIT
# Compiles the help project in a copy of its sources and fails loudly when chmcmd fails.
# Called by help/CMakeLists.txt with CHMCMD, SOURCE_DIR, WORK_DIR and OUTPUT.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY ${SOURCE_DIR}/RHEO ${SOURCE_DIR}/RHEO.hhp ${SOURCE_DIR}/RHEO.hhc
     DESTINATION ${WORK_DIR})

# chmcmd's own link scan misreads links inside a subfolder ("RHEO/#part"); the links of the
# pages are checked by the help tests instead, on the compiled file.
execute_process(
  COMMAND ${CHMCMD} --no-html-scan RHEO.hhp
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)

set(compiled ${WORK_DIR}/RHEO.chm)
set(size 0)
if(EXISTS ${compiled})
  file(SIZE ${compiled} size)
endif()
if(NOT result EQUAL 0 OR size EQUAL 0 OR output MATCHES "Error|Warning|exception")
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "chmcmd could not compile the help file (exit ${result}):\n${output}")
endif()
file(COPY_FILE ${compiled} ${OUTPUT})
