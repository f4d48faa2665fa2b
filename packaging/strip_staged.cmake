# SPDX-License-Identifier: GPL-2.0-or-later
# Run by cpack on its staging folder before it packs it: the program stripped as Debian's
# dh_strip leaves it, also without the compiler's identification (.comment) and the .note
# section that CPack's plain strip keeps.
set(program ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_VELKA_PROGRAM})
execute_process(COMMAND ${CPACK_VELKA_STRIP} --strip-unneeded --remove-section=.comment
                        --remove-section=.note ${program} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${CPACK_VELKA_STRIP} could not strip ${program}")
endif()
