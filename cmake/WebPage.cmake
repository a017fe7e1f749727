# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The web page: the program's .js and .wasm at the top of the build folder,
# beside Qt's loader, our own page (index.html), its icons and the notices
# a static build must carry. A browser offers Qt no system fonts: the
# faces the design names are built into the program.

set_target_properties(tramolo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
# Exceptions off, as Qt's; no threads, so that a plain web server serves it.
target_link_options(tramolo PRIVATE -sEXIT_RUNTIME=0)

set(TRAMOLO_FONT_DIR /usr/share/fonts/truetype/liberation2 CACHE PATH "Where the Liberation fonts lie")
qt_add_resources(tramolo web_fonts
    PREFIX /fonts
    BASE ${TRAMOLO_FONT_DIR}
    FILES ${TRAMOLO_FONT_DIR}/LiberationSans-Regular.ttf ${TRAMOLO_FONT_DIR}/LiberationSans-Bold.ttf
          ${TRAMOLO_FONT_DIR}/LiberationSans-BoldItalic.ttf ${TRAMOLO_FONT_DIR}/LiberationSerif-Bold.ttf)

set(TRAMOLO_SOURCE_URL "https://brenvo.invalid/tramolo/sorgenti" CACHE STRING "Where the page's source is published")
configure_file(${PROJECT_SOURCE_DIR}/src/app/web/index.html ${PROJECT_BINARY_DIR}/index.html @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/src/app/web/page.css ${PROJECT_BINARY_DIR}/page.css COPYONLY)
# Qt's loader beside the page (Qt's own finaliser puts its copy beside its
# own sample page, in the source folder's build folder).
configure_file(${TRAMOLO_WEB_QT}/plugins/platforms/qtloader.js ${PROJECT_BINARY_DIR}/qtloader.js COPYONLY)

# The icons, drawn by the desktop build's own tool (a page cannot run one).
set(TRAMOLO_ICON_RENDERER "" CACHE FILEPATH "The desktop build's tramolo-render-icon")
if(TRAMOLO_ICON_RENDERER)
    set(icon_svg ${PROJECT_SOURCE_DIR}/src/widgets/design/artwork/app-icon.svg)
    set(favicons)
    foreach(size 32 180 192)
        set(png ${PROJECT_BINARY_DIR}/icon-${size}.png)
        add_custom_command(OUTPUT ${png} COMMAND ${TRAMOLO_ICON_RENDERER} ${icon_svg} ${png} ${size}
                           DEPENDS ${icon_svg} COMMENT "Drawing the page's ${size}px icon")
        list(APPEND favicons ${png})
    endforeach()
    add_custom_target(tramolo-favicons ALL DEPENDS ${favicons})
endif()

# The licences: the program's, Qt's (its wasm platform plugin and loader are
# GPL-3.0-only), and the bundled fonts' OFL.
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/licenze)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_BINARY_DIR}/licenze/LICENSE.txt COPYONLY)
foreach(notice LGPL-3.0-only.txt GPL-3.0-only.txt)
    if(EXISTS ${TRAMOLO_WEB_QT}/notices/${notice})
        configure_file(${TRAMOLO_WEB_QT}/notices/${notice} ${PROJECT_BINARY_DIR}/licenze/Qt-${notice} COPYONLY)
    endif()
endforeach()
configure_file(/usr/share/doc/fonts-liberation2/copyright ${PROJECT_BINARY_DIR}/licenze/Liberation-OFL.txt COPYONLY)
