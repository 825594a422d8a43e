# Windows: Programme, Wagen.ebb, Qt und die Laufzeit von GCC nebeneinander in einem Ordner (so
# sucht das Programm seine Daten), als Installer (NSIS) und als ZIP zum Auspacken.
get_filename_component(TANDRIX_QT "${Qt6_DIR}/../../.." ABSOLUTE)

install(TARGETS zuzarid wagennummer tandrix-sammlung RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/daten/Wagen.ebb ${PROJECT_SOURCE_DIR}/daten/Kennzeichen.ebb DESTINATION .)
install(FILES ${TANDRIX_QT}/bin/Qt6Core.dll ${TANDRIX_QT}/bin/Qt6Gui.dll ${TANDRIX_QT}/bin/Qt6Widgets.dll DESTINATION .)
install(FILES ${TANDRIX_QT}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${TANDRIX_QT}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# Tandrix im Browser (scripts/windows baut sie vorher): neben die Programme, der Installer legt
# dafuer einen Startmenue-Eintrag an, den der Standardbrowser oeffnet.
if(TANDRIX_SEITE)
  install(FILES ${TANDRIX_SEITE} DESTINATION .)
endif()

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

# Textdateien mit Windows-Zeilenenden; die deutschen mit UTF-8-Kennung, damit jeder Editor die
# Umlaute erkennt (und makensis die Lizenzseite nicht in Windows-1252 liest).
string(ASCII 239 187 191 TANDRIX_UTF8_KENNUNG)
set(TANDRIX_TEXTE ${PROJECT_BINARY_DIR}/windows-texte)
function(tandrix_windows_text Quelle Ziel Kennung)
  file(READ ${Quelle} Inhalt)
  string(REPLACE "\r\n" "\n" Inhalt "${Inhalt}")
  string(REPLACE "\n" "\r\n" Inhalt "${Inhalt}")
  file(WRITE ${TANDRIX_TEXTE}/${Ziel} "${Kennung}${Inhalt}")
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${Quelle})
endfunction()

# Nutzungsbedingungen (auch die Lizenzseite des Installers), Qt unter LGPL-3 mit Herkunft der
# Quellen, die Laufzeit von GCC und winpthread; dazu eine kurze Anleitung fuer das ZIP.
foreach(Text LIZENZEN.txt LIESMICH.txt)
  tandrix_windows_text(${CMAKE_CURRENT_LIST_DIR}/${Text} ${Text} "${TANDRIX_UTF8_KENNUNG}")
  install(FILES ${TANDRIX_TEXTE}/${Text} DESTINATION .)
endforeach()
file(GLOB_RECURSE TANDRIX_QT_LIZENZEN RELATIVE ${TANDRIX_QT}/LICENSES ${TANDRIX_QT}/LICENSES/*)
foreach(Text ${TANDRIX_QT_LIZENZEN} ../HERKUNFT.txt)
  get_filename_component(Name ${Text} NAME)
  get_filename_component(Ordner ${Text} DIRECTORY)
  string(REPLACE ".." "" Ordner "${Ordner}")
  tandrix_windows_text(${TANDRIX_QT}/LICENSES/${Text} lizenzen/qt/${Ordner}/${Name} "")
endforeach()
# libxlsxwriter ist statisch in tandrix-sammlung.exe gebunden; ihre Lizenz (BSD mit minizip,
# tmpfileplus, md5) legt scripts/xlsxwriter-windows neben die Bibliothek.
if(TANDRIX_XLSX)
  tandrix_windows_text(${TANDRIX_XLSXWRITER_KOPF}/../LIZENZ.txt lizenzen/libxlsxwriter/LIZENZ.txt "")
endif()
# libzip und expat sind statisch in wagennummer.exe und tandrix-sammlung.exe gebunden (Arbeitsmappen
# lesen); ihre Lizenzen legt scripts/mappe-windows neben die Bibliotheken.
if(TANDRIX_MAPPEN_ZIP)
  tandrix_windows_text(${TANDRIX_LIBZIP_KOPF}/../LIZENZ-libzip.txt lizenzen/libzip/LIZENZ.txt "")
  tandrix_windows_text(${TANDRIX_EXPAT_KOPF}/../LIZENZ-expat.txt lizenzen/expat/LIZENZ.txt "")
endif()
install(DIRECTORY ${TANDRIX_TEXTE}/lizenzen/ DESTINATION lizenzen)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Tandrix)
set(CPACK_PACKAGE_VENDOR Tandrix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME tandrix-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tandrix)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Überprüfung von Wagen-Computernummern")
set(CPACK_STRIP_FILES ON)
# Der Installer kommt aus der eigenen Vorlage NSIS.template.in (deutsch, ohne Startmenue-Ordner,
# Apps-Liste vollstaendig); CPack sucht sie im CMAKE_MODULE_PATH.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_RESOURCE_FILE_LICENSE ${TANDRIX_TEXTE}/LIZENZEN.txt)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_LIST_DIR}/tandrix.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_CURRENT_LIST_DIR}/tandrix.ico)
set(CPACK_NSIS_URL_INFO_ABOUT https://www.example.org/tandrix/)
set(CPACK_NSIS_HELP_LINK https://www.example.org/tandrix/)
set(CPACK_NSIS_CONTACT tandrix@example.org)
set(CPACK_TANDRIX_COPYRIGHT "${TANDRIX_COPYRIGHT}")
set(CPACK_TANDRIX_PRODUKTVERSION ${TANDRIX_PRODUKTVERSION})
include(CPack)

if(TANDRIX_TESTS)
  # Laeuft auf dem Rechner, der baut (icoutils, binutils), nicht unter Wine.
  foreach(Paar "zuzarid;fenster" "wagennummer;konsole")
    list(GET Paar 0 Programm)
    list(GET Paar 1 Art)
    add_test(NAME windows_ressourcen_${Programm}
             COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/ressourcen-pruefen $<TARGET_FILE:${Programm}> ${PROJECT_VERSION}
                     ${TANDRIX_PRODUKTVERSION} ${Art})
  endforeach()
endif()
