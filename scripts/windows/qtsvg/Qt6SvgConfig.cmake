# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Brenvo software
#
# Qt6::Svg for the Windows Qt: the static renderer library and its headers.
include(CMakeFindDependencyMacro)
find_dependency(Qt6Gui PATHS ${CMAKE_CURRENT_LIST_DIR}/.. NO_DEFAULT_PATH)
get_filename_component(_qt6svg_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)
if(NOT TARGET Qt6::Svg)
    add_library(Qt6::Svg STATIC IMPORTED)
    set_target_properties(Qt6::Svg PROPERTIES
        IMPORTED_LOCATION "${_qt6svg_prefix}/lib/libQt6Svg.a"
        INTERFACE_INCLUDE_DIRECTORIES "${_qt6svg_prefix}/include;${_qt6svg_prefix}/include/QtSvg"
        INTERFACE_LINK_LIBRARIES "Qt6::Gui")
endif()
set(Qt6Svg_FOUND TRUE)
