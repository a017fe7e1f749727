# SPDX-FileCopyrightText: 2026 Brenvo software
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What a school gets for its Windows PCs, from cpack in the Windows build: a
# portable zip (the program, its licence, a short LEGGIMI.txt) and an
# installer in Italian that installs for every user into Program Files, adds
# "Il Tramolo" to the Start menu, registers its uninstaller and installs
# silently with /S. A lab's technician presets the class register's folder
# for every user of the machine with /REGISTRO=<folder>, silent or not.
set(TRAMOLO_WINDOWS_QT "" CACHE PATH "The static Windows Qt, with its licence notices")

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENZA.txt)
install(FILES ${PROJECT_SOURCE_DIR}/data/windows/LEGGIMI.txt DESTINATION .)
# Qt and the libraries inside it are linked into the program: their notices
# travel with it.
install(DIRECTORY ${TRAMOLO_WINDOWS_QT}/notices/ DESTINATION licenze-qt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME tramolo-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Il Tramolo")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Il Tramolo")
set(CPACK_PACKAGE_EXECUTABLES tramolo "Il Tramolo")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_NSIS_PACKAGE_NAME "Il Tramolo")
set(CPACK_NSIS_DISPLAY_NAME "Il Tramolo")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/src/app/tramolo.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/src/app/tramolo.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME tramolo.exe)
set(CPACK_NSIS_UNINSTALL_NAME Disinstalla)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# Into the machine's settings, which the user's own choice overrides; in the
# 64-bit view of the registry, the only one the 64-bit program reads.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "
  \${GetParameters} $R0
  ClearErrors
  \${GetOptions} $R0 '/REGISTRO=' $R1
  IfErrors registro_fatto
  SetRegView 64
  WriteRegStr HKLM 'Software\\Brenvo\\tramolo\\registro' 'cartella' '$R1'
  SetRegView lastused
  registro_fatto:
")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "
  SetRegView 64
  DeleteRegKey HKLM 'Software\\Brenvo\\tramolo'
  DeleteRegKey /ifempty HKLM 'Software\\Brenvo'
  SetRegView lastused
")

# CPack's installer script speaks every language and picks the machine's; the
# same script, made here from the one of the CMake in use, speaks Italian only
# and says its own few words in Italian too.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REGEX REPLACE "(  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n)+"
       "  !insertmacro MUI_LANGUAGE \"Italian\"\n" template "${template}")
foreach(pair
        "is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?|è già installato. $\\n$\\nVuoi disinstallare la versione precedente prima di installare la nuova?"
        "\"Uninstall failed.\"|\"Disinstallazione non riuscita.\"")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 english)
    list(GET pair 1 italian)
    string(FIND "${template}" "${english}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "CPack's NSIS template no longer says: ${english}")
    endif()
    string(REPLACE "${english}" "${italian}" template "${template}")
endforeach()
# A 64-bit installer for a 64-bit program, and a Unicode one, so that the
# Italian accents come out right. It goes after the template's first line,
# a comment behind the byte-order mark.
string(FIND "${template}" "\n" first_line_end)
string(SUBSTRING "${template}" 0 ${first_line_end} first_line)
string(SUBSTRING "${template}" ${first_line_end} -1 rest)
set(template "${first_line}\nTarget amd64-unicode\n!include \"FileFunc.nsh\"${rest}")
file(WRITE ${PROJECT_BINARY_DIR}/cpack-templates/NSIS.template.in "${template}")
list(PREPEND CMAKE_MODULE_PATH ${PROJECT_BINARY_DIR}/cpack-templates)
