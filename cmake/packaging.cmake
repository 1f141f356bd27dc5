# SPDX-License-Identifier: MIT
# Licences: the code's and the data's, together as Debian wants them.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE ICAO_CODE_LICENCE)
file(READ ${PROJECT_SOURCE_DIR}/data/LICENSE ICAO_DATA_LICENCE)
file(WRITE ${CMAKE_BINARY_DIR}/copyright
     "The icaolookup programs are under the MIT licence:\n\n${ICAO_CODE_LICENCE}\n"
     "The airport data, airports.txt:\n\n${ICAO_DATA_LICENCE}")
install(FILES ${CMAKE_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB builds icaolookup_VERSION_ARCH.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME icaolookup)
set(CPACK_PACKAGE_VENDOR "The icaolookup developers")
set(CPACK_PACKAGE_CONTACT "The icaolookup developers <icaolookup@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "look up airport names by ICAO code and codes by name")
# CPack puts the summary first and indents each line below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "icaolookup is a small desktop program: type a four-letter ICAO location indicator
and see the airport's name, or type an airport's full name and see its code.
.
The companion command icao searches names, places and alternate names, ignoring
accents, tells the distance between airfields and which lie near a place, and shows an
airfield's runways, radio frequencies, time zone and local time, and the radio
navigation aids near it.
.
It ships OurAirports data (public domain) of 22,165 airfields and 11,009 navaids, with
time zones under the Open Database License.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows' fonts fall back to Liberation's, which Qt does not bring; icao info reads the
# local time from the system's time-zone database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, tzdata")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_STRIP_FILES ON)
include(CPack)
