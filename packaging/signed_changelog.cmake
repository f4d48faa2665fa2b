# SPDX-License-Identifier: GPL-2.0-or-later
# The package's changelog signed by its maintainer and compressed as Debian asks (gzip -n -9:
# no file name or time in the header, so the same sources give the same bytes). Run at build
# time as
#   cmake -DCHANGELOG=<source> -DMAINTAINER=<"Name <address>"> -DOUTPUT=<changelog.gz> -P ...
# and by cpack on its staging folder before it packs it, so that a maintainer given to cpack
# (cpack -D CPACK_DEBIAN_PACKAGE_MAINTAINER=...) signs the packed changelog as well.
if(DEFINED CPACK_TEMPORARY_DIRECTORY)
  set(CHANGELOG ${CPACK_VELKA_CHANGELOG})
  set(MAINTAINER ${CPACK_DEBIAN_PACKAGE_MAINTAINER})
  set(OUTPUT ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_VELKA_CHANGELOG_PATH})
  if(NOT EXISTS ${OUTPUT})
    message(FATAL_ERROR "the staged package has no ${CPACK_VELKA_CHANGELOG_PATH}")
  endif()
endif()
if(NOT MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$")
  message(FATAL_ERROR "the maintainer \"${MAINTAINER}\" is not written \"Name <address>\"")
endif()

file(READ ${CHANGELOG} text)
# Each entry's trailer: " -- Name <address>  date".
string(REGEX REPLACE "\n -- [^\n<]+<[^\n>]+>  " "\n -- ${MAINTAINER}  " text "${text}")
string(REGEX REPLACE "\\.gz$" "" plain ${OUTPUT})
file(WRITE ${plain} "${text}")
execute_process(COMMAND gzip -n -9 -f ${plain} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip could not compress ${plain}")
endif()
file(CHMOD ${OUTPUT} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
