# The Debian package, made by CPack from the install rules: cpack -G DEB in a build configured
# for the prefix /usr (scripts/package does both).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME promille)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Promille developers <info@example.com>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/promille)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# promille_<version>_<architecture>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# Debian keeps one Description, in English; the Russian text follows the English one in it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "blood alcohol calculator / калькулятор алкоголя в крови")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Promille estimates how much alcohol is in a person's blood and how long
the body needs to clear it: a table of elimination times, a Widmark
calculator with the degree of intoxication and whether driving is
allowed, the amount drunk worked out from a measured value, and a
forecast of an evening's drinks over clock time. Its user interface is
in Russian.

Промилле оценивает, сколько алкоголя в крови человека и сколько
времени нужно организму, чтобы его вывести: таблица времени вывода
алкоголя, калькулятор по Видмарку со степенью опьянения и допуском
к вождению, расчёт выпитого по измеренному значению и прогноз уровня
алкоголя в крови на вечер.

The results are estimates, not proof of fitness to drive.
Результаты — оценка, а не доказательство того, что можно садиться
за руль.]=])

# The libraries the program needs are read from the binary by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders are 0755 whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The package installs where the build was configured to install: the program tells from that
# folder that it is installed (settings/settingslocation.h). A Debian package belongs in /usr,
# so cpack refuses any other prefix rather than make a package whose program would not
# recognise its own folder, or one in /usr/local.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/PromilleCPackOptions.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT [=[
if(CPACK_GENERATOR STREQUAL "DEB" AND NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "A Debian package installs under /usr, but this build is for "
        "${CPACK_PACKAGING_INSTALL_PREFIX}: configure it with -DCMAKE_INSTALL_PREFIX=/usr")
endif()
]=] @ONLY)

include(CPack)
