# The program's icon, drawn at build time from its SVG at every size that launchers, menus and
# window managers ask for. 16 pixels has a drawing of its own: at two pixels a dot, round dots
# would only blur. Sets GLYPHSMITH_ICON_SIZES and GLYPHSMITH_ICON_DIR (also as global properties
# of the same names, for the install rules) and renders glyphsmith-SIZE.png into that folder.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(GLYPHSMITH_ICON_SIZES 16 24 32 48 64 128 256)
set(GLYPHSMITH_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/icons)
set(GLYPHSMITH_ICON_PNGS)
foreach(size IN LISTS GLYPHSMITH_ICON_SIZES)
    if(size EQUAL 16)
        set(source ${CMAKE_CURRENT_LIST_DIR}/glyphsmith-16.svg)
    else()
        set(source ${CMAKE_CURRENT_LIST_DIR}/glyphsmith.svg)
    endif()
    set(png ${GLYPHSMITH_ICON_DIR}/glyphsmith-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${GLYPHSMITH_ICON_DIR}
        COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${source}
        DEPENDS ${source}
        COMMENT "Drawing the ${size}x${size} icon"
        VERBATIM)
    list(APPEND GLYPHSMITH_ICON_PNGS ${png})
endforeach()
set_property(GLOBAL PROPERTY GLYPHSMITH_ICON_SIZES ${GLYPHSMITH_ICON_SIZES})
set_property(GLOBAL PROPERTY GLYPHSMITH_ICON_DIR ${GLYPHSMITH_ICON_DIR})
