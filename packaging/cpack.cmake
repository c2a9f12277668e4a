# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack` in the build folder writes tallowby_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallowby)
set(CPACK_PACKAGE_VENDOR "The Tallowby team")
set(CPACK_PACKAGE_CONTACT "The Tallowby team <team@tallowby.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://tallowby.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning game for the numbers 1 to 10")
# dpkg shows the description as it stands, so its lines are kept short.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tallowby is a desktop game for kindergarten children who are practising"
    "the numbers 1 to 10, played with the mouse alone. Its menu opens four"
    "activities: Number Matching, Numbers Out Of Order, Complete The Sequence"
    "and Number Picking."
    "The game saves nothing and reads no settings.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS ${PROJECT_BINARY_DIR} ${PROJECT_NAME} tallowby /)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links: found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# What Qt opens at run time without the program linking it, which
# dpkg-shlibdeps cannot see: the X11 platform plugin, the GIF reader (many of
# the pictures are GIFs) and the font that stands in for the windows' Arial.
# Their packages are found the same way, by asking dpkg which package holds
# the file on this machine, so that a package split in another release moves
# with it. A package that already holds a linked Qt library is left to
# dpkg-shlibdeps, which names it with a version.
function(tallowby_owner file out)
    execute_process(COMMAND dpkg-query --search ${file}
                    OUTPUT_VARIABLE found RESULT_VARIABLE failed ERROR_QUIET)
    if(NOT failed AND found MATCHES "^([^:, ]+)")
        set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
    else()
        set(${out} "" PARENT_SCOPE)
    endif()
endfunction()

find_program(TALLOWBY_DPKG_QUERY dpkg-query)
find_program(TALLOWBY_FC_MATCH fc-match)
if(TALLOWBY_DPKG_QUERY AND TALLOWBY_FC_MATCH)
    set(linked_packages "")
    foreach(library Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Multimedia)
        get_target_property(file ${library} LOCATION)
        tallowby_owner(${file} package)
        list(APPEND linked_packages ${package})
    endforeach()

    set(plugins ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS})
    execute_process(COMMAND ${TALLOWBY_FC_MATCH} --format=%{file} Arial:bold OUTPUT_VARIABLE arial_font)
    set(run_time_packages "")
    foreach(file ${plugins}/platforms/libqxcb.so ${plugins}/imageformats/libqgif.so ${arial_font})
        tallowby_owner(${file} package)
        if(NOT package)
            message(WARNING "No Debian package holds ${file}; the package will not depend on it")
        elseif(NOT package IN_LIST linked_packages)
            list(APPEND run_time_packages ${package})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES run_time_packages)
    list(JOIN run_time_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
endif()
# Qt Multimedia plays the cues through a PulseAudio server; without one the
# game stays silent but plays on.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")

include(CPack)
