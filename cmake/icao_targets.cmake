# SPDX-License-Identifier: MIT
# Helpers for the project's targets: include roots, installed programs and man pages.

# A target reaches a folder's headers as "folder/header.h" through a root of that folder's own,
# which holds that folder alone; so it sees the folders it links and no others.
function(icao_include_root target folder scope)
    set(root ${CMAKE_BINARY_DIR}/include/${folder})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} ${scope} ${root})
endfunction()

# The programs read airports.txt and navaids.txt from their own folder, so on Linux the three
# and their data stand in PREFIX/lib/icaolookup, and PREFIX/bin holds links to them; the
# programs find their folder through the link.
if(WIN32)
    set(ICAO_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
else()
    set(ICAO_PROGRAM_DIR lib/icaolookup)
endif()
install(FILES ${ICAO_DATA_FILE} ${ICAO_NAVAIDS_FILE} DESTINATION ${ICAO_PROGRAM_DIR})

function(icao_install_program target)
    install(TARGETS ${target} RUNTIME DESTINATION ${ICAO_PROGRAM_DIR})
    if(NOT WIN32)
        install(CODE "
            set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
            file(MAKE_DIRECTORY \"\${bin}\")
            file(CREATE_LINK ../${ICAO_PROGRAM_DIR}/${target} \"\${bin}/${target}\" SYMBOLIC)
            message(STATUS \"Linking: \${bin}/${target}\")")
    endif()
endfunction()

# Debian keeps man pages compressed; the page's version comes from project().
function(icao_install_man_page template)
    get_filename_component(name ${template} NAME_WLE)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${name})
    configure_file(${template} ${page} @ONLY)
    set(compressed ${page}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND sh -c "gzip -9nc '${page}' > '${compressed}'"
        DEPENDS ${page} VERBATIM)
    add_custom_target(man_${name} ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
