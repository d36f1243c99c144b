# What ships beside Tessary.exe: the ready-made menus ("Templates" with
# "FileMaker Menus") are copied into the program's folder by every build, so a
# developer's run finds them as an installed program does. The manual
# "Tessary 2 Manual.pdf" is built only on request (target `manual`), since it
# needs the documentation tools and the program's screenshots; scripts/package
# builds it.
set(TESSARY_BIN_DIR ${CMAKE_BINARY_DIR}/bin)

file(GLOB_RECURSE tessary_content_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/content/Templates/*)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/content.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${TESSARY_BIN_DIR}/Templates
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/content/Templates ${TESSARY_BIN_DIR}/Templates
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/content.stamp
    DEPENDS ${tessary_content_files}
    COMMENT "Copying the ready-made menus beside the program")
add_custom_target(tessary_content ALL DEPENDS ${CMAKE_BINARY_DIR}/content.stamp)
if(TARGET Tessary)
    add_dependencies(Tessary tessary_content)
endif()

# The manual: Markdown chapters under docs/manual, screenshots from
# scripts/manual-shots (missing ones become marked placeholders).
set(TESSARY_MANUAL_PDF "${TESSARY_BIN_DIR}/Tessary 2 Manual.pdf")
set(TESSARY_MANUAL_SHOTS ${CMAKE_BINARY_DIR}/manual-shots)
# Always rebuilt when asked for: the screenshots are not sources CMake sees.
add_custom_target(manual
    COMMAND ${CMAKE_SOURCE_DIR}/docs/build-manual ${TESSARY_MANUAL_PDF} ${TESSARY_MANUAL_SHOTS} ${PROJECT_VERSION}
    COMMENT "Building the manual"
    VERBATIM)
