# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt front end, the program, its pictures and its sound cues.
find_package(Qt6 REQUIRED COMPONENTS Widgets Multimedia)


add_library(tallowby_qt STATIC
    app/qt/accessibility.cpp
    app/qt/form_window.cpp
    app/qt/front_end.cpp
    app/qt/picture_cache.cpp
    app/qt/qt_platform.cpp
    app/qt/qt_timer_clock.cpp
)
target_link_libraries(tallowby_qt PUBLIC tallowby_core Qt6::Widgets Qt6::Multimedia)

# The rendered pictures are data, not sources: every file the asset tool
# writes is compiled in, and a test checks them against the catalogue.
file(GLOB TALLOWBY_PICTURES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures/*.bmp
    ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures/*.gif
    ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures/*.png
    ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures/2x/*.png)
add_library(tallowby_pictures OBJECT)
target_link_libraries(tallowby_pictures PRIVATE Qt6::Core)
if(TALLOWBY_PICTURES)
    qt_add_resources(tallowby_pictures "pictures"
        PREFIX "/pictures"
        BASE ${CMAKE_CURRENT_SOURCE_DIR}/assets/pictures
        FILES ${TALLOWBY_PICTURES})
endif()

add_executable(tallowby app/main.cpp)
target_link_libraries(tallowby PRIVATE tallowby_qt tallowby_pictures)
set_target_properties(tallowby PROPERTIES WIN32_EXECUTABLE ON MACOSX_BUNDLE OFF)

# The six cues lie beside the program, in the build tree as in the install tree.
set(TALLOWBY_CUES Chime.wav startup.wav correct.wav Endlvl.wav dong.wav click.wav)
set(TALLOWBY_CUE_FILES ${TALLOWBY_CUES})
list(TRANSFORM TALLOWBY_CUE_FILES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/assets/sounds/)
foreach(cue ${TALLOWBY_CUES})
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${cue}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
                ${CMAKE_CURRENT_SOURCE_DIR}/assets/sounds/${cue} ${CMAKE_CURRENT_BINARY_DIR}/${cue}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/assets/sounds/${cue})
    list(APPEND TALLOWBY_CUE_COPIES ${CMAKE_CURRENT_BINARY_DIR}/${cue})
endforeach()
add_custom_target(tallowby_cues ALL DEPENDS ${TALLOWBY_CUE_COPIES})
add_dependencies(tallowby tallowby_cues)

# The install tree and the Debian package.
include(cmake/install.cmake)
