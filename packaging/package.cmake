# The Debian package: CPack's DEB generator over the install rules, with the run-time libraries
# found by dpkg-shlibdeps. tools/package.sh makes it; packaging/make_deb.sh is its one step.
# Included from the top-level CMakeLists after every install rule.
include_guard(GLOBAL)
include(GNUInstallDirs)

set(TVORKA1_PACKAGE "tvorka1")
set(TVORKA1_MAINTAINER "${TVORKA1_VENDOR} <developers@tvorka1.org>")
set(TVORKA1_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/${TVORKA1_PACKAGE}")
set(TVORKA1_PACKAGING_DIR "${CMAKE_CURRENT_LIST_DIR}")
set(TVORKA1_PACKAGING_OUT "${PROJECT_BINARY_DIR}/packaging")

# The copyright file carries LICENSE itself, its holder and year read from LICENSE's own line.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" _licence)
if(NOT _licence MATCHES "Copyright \\(c\\) ([0-9]+) ([^\n]+)\n\n(.*[^\n])\n*$")
    message(FATAL_ERROR "LICENSE has no 'Copyright (c) YEAR HOLDER' line")
endif()
set(TVORKA1_COPYRIGHT "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
# Debian's copyright format indents the text by one space and marks empty lines with a dot.
string(REPLACE "\n\n" "\n.\n" _licence_text "${CMAKE_MATCH_3}")
string(REPLACE "\n" "\n " TVORKA1_LICENCE_TEXT " ${_licence_text}")
configure_file("${TVORKA1_PACKAGING_DIR}/copyright.in" "${TVORKA1_PACKAGING_OUT}/copyright" @ONLY)

# The release date is the one of the AppStream metadata.
get_directory_property(TVORKA1_RELEASE_DATE DIRECTORY "${PROJECT_SOURCE_DIR}/app"
    DEFINITION TVORKA1_RELEASE_DATE)
execute_process(COMMAND date -u -R -d "${TVORKA1_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE TVORKA1_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# The changelog and manual page go compressed, without a time stamp, so every build is the same.
configure_file("${TVORKA1_PACKAGING_DIR}/changelog.in" "${TVORKA1_PACKAGING_OUT}/changelog" @ONLY)
configure_file("${TVORKA1_PACKAGING_DIR}/tvorka1.1.in" "${TVORKA1_PACKAGING_OUT}/tvorka1.1" @ONLY)
foreach(_file changelog tvorka1.1)
    execute_process(COMMAND gzip -9nc "${TVORKA1_PACKAGING_OUT}/${_file}"
        OUTPUT_FILE "${TVORKA1_PACKAGING_OUT}/${_file}.gz" RESULT_VARIABLE _gzip)
    if(NOT _gzip EQUAL 0)
        message(FATAL_ERROR "gzip failed on ${_file}")
    endif()
endforeach()

install(FILES "${TVORKA1_PACKAGING_OUT}/copyright" "${TVORKA1_PACKAGING_OUT}/changelog.gz"
    DESTINATION "${TVORKA1_DOC_DIR}")
install(FILES "${TVORKA1_PACKAGING_OUT}/tvorka1.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME "${TVORKA1_PACKAGE}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "${TVORKA1_VENDOR}")
set(CPACK_PACKAGE_CONTACT "${TVORKA1_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TVORKA1_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION "electronics")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# CPack indents the lines after the first.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "diagrams of the NE555 timer's two classic circuits
A small desktop tool about the NE555 timer. Two option buttons choose the
monostable (one-shot) or the astable (free-running) circuit, and the window
shows its diagram beside the entry rows for R1, R2 and C3.")
# The libraries come from the binary; what Qt loads at run time, packaging/make_deb.sh names when
# it packs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
