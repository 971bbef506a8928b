# The files a Windows copy of the program needs beside promille.exe. There is no windeployqt in a
# cross build, so the list is kept here, checked against the program's import table by the
# Windows test (scripts/test-windows).

# Qt's libraries, and the plugins in the folders Qt looks for beside the program.
install(FILES
    $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    $<TARGET_FILE:Qt6::PrintSupport>
    DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QGifPlugin> $<TARGET_FILE:Qt6::QJpegPlugin>
    DESTINATION imageformats)

# The compiler's runtime: C++ library, unwinder and threads of the posix thread model.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "${dll} not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    install(FILES ${found} DESTINATION .)
endforeach()

install(FILES copyright DESTINATION . RENAME copyright.txt)
