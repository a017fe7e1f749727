# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Headers and libraries come from the MinGW root and from the Windows Qt;
# programs run during the build (moc, rcc, the host's tools) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${TRAMOLO_WINDOWS_QT})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TRAMOLO_WINDOWS_QT)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
