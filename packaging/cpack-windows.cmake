# What a Windows user downloads, made by CPack from the install rules (scripts/package-windows):
#   cpack -G ZIP   promille-<version>-win64.zip: the portable copy, one folder
#   cpack -G NSIS  promille-<version>-win64-setup.exe: the installer, with a Start-menu entry and
#                  an uninstaller that removes what it installed and leaves the user's settings
# An installed copy recognises itself by its uninstaller and keeps its settings in
# %APPDATA%\Promille (settings/settingslocation.h).
set(CPACK_PACKAGE_NAME promille)
set(CPACK_PACKAGE_VENDOR "The Promille developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Promille: blood alcohol calculator")
set(CPACK_PACKAGE_FILE_NAME promille-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Promille)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

# The Start-menu entry opens the program, with its icon.
set(CPACK_PACKAGE_EXECUTABLES promille Promille)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/promille.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/promille.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME promille.exe)
set(CPACK_NSIS_DISPLAY_NAME Promille)
set(CPACK_NSIS_PACKAGE_NAME Promille)
# CMake's own installer script with one line first: NSIS's 64-bit Unicode stub, so that the
# installer runs where the program runs (a 32-bit one needs a 32-bit layer that a 64-bit Wine
# lacks) and takes Cyrillic folder names.
set(nsis_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
# Past the byte-order mark, which must stay the file's first bytes if anywhere.
file(READ ${nsis_template} bom LIMIT 3 HEX)
if(bom STREQUAL "efbbbf")
    file(READ ${nsis_template} nsis_script OFFSET 3)
else()
    file(READ ${nsis_template} nsis_script)
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in
    "Target amd64-unicode\n${nsis_script}")
configure_file(${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.InstallOptions.ini.in
    ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.InstallOptions.ini.in COPYONLY)
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
# A 64-bit program goes to the 64-bit Program Files.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)

set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/PromilleCPackOptions.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT [=[
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
]=])

include(CPack)
