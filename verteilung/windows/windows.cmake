# Windows: Programme, Wagen.ebb, Qt und die Laufzeit von GCC nebeneinander in einem Ordner (so
# sucht das Programm seine Daten), als Installer (NSIS) und als ZIP zum Auspacken.
get_filename_component(TANDRIX_QT "${Qt6_DIR}/../../.." ABSOLUTE)

install(TARGETS zuzarid wagennummer RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/daten/Wagen.ebb ${PROJECT_SOURCE_DIR}/daten/Kennzeichen.ebb DESTINATION .)
install(FILES ${TANDRIX_QT}/bin/Qt6Core.dll ${TANDRIX_QT}/bin/Qt6Gui.dll ${TANDRIX_QT}/bin/Qt6Widgets.dll DESTINATION .)
install(FILES ${TANDRIX_QT}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${TANDRIX_QT}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)

# Qts Texte auf Deutsch; die .qm-Datei ist dieselbe wie unter Debian (qt6-translations-l10n).
find_file(TANDRIX_QTBASE_DE qtbase_de.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${TANDRIX_QTBASE_DE} DESTINATION translations)
# Auch neben die Programme und Tests im Bauverzeichnis, die es unter Wine so finden.
foreach(Ort . tests)
  configure_file(${TANDRIX_QTBASE_DE} ${PROJECT_BINARY_DIR}/${Ort}/translations/qtbase_de.qm COPYONLY)
endforeach()

# Die Qt-DLLs brauchen die Laufzeit von GCC als DLLs, gestrippt (libstdc++: 23 -> 2 MB).
set(TANDRIX_LAUFZEIT)
foreach(Dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${Dll} OUTPUT_VARIABLE Quelle
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/laufzeit/${Dll}
                     COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${PROJECT_BINARY_DIR}/laufzeit/${Dll} ${Quelle}
                     DEPENDS ${Quelle})
  list(APPEND TANDRIX_LAUFZEIT ${PROJECT_BINARY_DIR}/laufzeit/${Dll})
endforeach()
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/laufzeit)
add_custom_target(laufzeit ALL DEPENDS ${TANDRIX_LAUFZEIT})
install(FILES ${TANDRIX_LAUFZEIT} DESTINATION .)

# Lizenzen: Qt unter LGPL-3 mit Herkunft der Quellen, die Laufzeit von GCC und winpthread.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/LIZENZEN.txt DESTINATION .)
install(DIRECTORY ${TANDRIX_QT}/LICENSES/ DESTINATION lizenzen/qt)
install(FILES ${TANDRIX_QT}/HERKUNFT.txt DESTINATION lizenzen/qt)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Tandrix)
set(CPACK_PACKAGE_VENDOR Tandrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tandrix-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tandrix)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Überprüfung von Wagen-Computernummern")
set(CPACK_STRIP_FILES ON)
# Debians Wine fuehrt nur 64-Bit-Programme aus, und ein 32-Bit-Installer installierte dort still
# nichts: darum ein 64-Bit-Installer nach "Program Files".
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Tandrix)
set(CPACK_NSIS_DISPLAY_NAME Tandrix)
set(CPACK_NSIS_MENU_LINKS zuzarid.exe Tandrix)
set(CPACK_NSIS_INSTALLED_ICON_NAME zuzarid.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_LIST_DIR}/tandrix.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_LIST_DIR}/tandrix.ico)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_URL_INFO_ABOUT https://www.example.org/tandrix/)
include(CPack)

if(TANDRIX_TESTS)
  # Laeuft auf dem Rechner, der baut (icoutils, binutils), nicht unter Wine.
  add_test(NAME windows_ressourcen COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/ressourcen-pruefen $<TARGET_FILE:zuzarid>
                                           ${PROJECT_VERSION} ${TANDRIX_PRODUKTVERSION})
endif()
