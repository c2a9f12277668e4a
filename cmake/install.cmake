# SPDX-License-Identifier: GPL-3.0-or-later
# Installed like any desktop program: the program and its cues in a folder of
# their own, a link on the PATH, a menu entry with icons, AppStream data, a
# man page; and the Debian package of that same tree (packaging/cpack.cmake).

include(GNUInstallDirs)
# Every rule below belongs to one component, and the Debian package holds
# exactly that: nothing else can slip in, and a packaging run records its
# files in its own manifest, beside the one of an install from this folder.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME tallowby)

# The reverse-DNS name of the game on the desktop: its menu entry, icon,
# AppStream data and the desktop file name the program gives itself.
set(TALLOWBY_APP_ID example.tallowby.tallowby)
target_compile_definitions(tallowby PRIVATE TALLOWBY_APP_ID="${TALLOWBY_APP_ID}")
set(TALLOWBY_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/tallowby)

# The game reads its cues from the folder that holds the program file.
install(TARGETS tallowby RUNTIME DESTINATION ${TALLOWBY_INSTALL_DIR})
install(FILES ${TALLOWBY_CUE_FILES} DESTINATION ${TALLOWBY_INSTALL_DIR})

# The link on the PATH is made here and installed like a file, so that the
# install manifest lists it and removing the listed files leaves nothing.
cmake_path(RELATIVE_PATH CMAKE_INSTALL_FULL_LIBDIR BASE_DIRECTORY ${CMAKE_INSTALL_FULL_BINDIR}
           OUTPUT_VARIABLE tallowby_link_up)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/link)
file(CREATE_LINK ${tallowby_link_up}/tallowby/tallowby ${CMAKE_CURRENT_BINARY_DIR}/link/tallowby SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/link/tallowby DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES packaging/${TALLOWBY_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${TALLOWBY_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(TALLOWBY_ICON_SIZES 16 22 24 32 48 64 128 256 512)
foreach(size ${TALLOWBY_ICON_SIZES})
    install(FILES assets/icons/${size}x${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TALLOWBY_APP_ID}.png)
endforeach()
install(FILES assets/icons/scalable.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TALLOWBY_APP_ID}.svg)

# The man page and the changelog are installed compressed, as Debian wants
# them; gzip -n leaves out the time stamp, so the package is reproducible.
find_program(TALLOWBY_GZIP gzip REQUIRED)
foreach(doc tallowby.6 changelog)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${doc}
                ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}
        COMMAND ${TALLOWBY_GZIP} -9nf ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/${doc}
        VERBATIM)
endforeach()
add_custom_target(tallowby_docs ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/packaging/tallowby.6.gz
                                            ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/tallowby.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# Debian wants them under the package's name, share/doc/tallowby.
install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/tallowby)

include(packaging/cpack.cmake)
