# What the Debian package "tarvix-desktop" holds, and how CPack builds it
# (scripts/package.sh). Everything the package ships is installed in the
# component "desktop"; the package is built from that component alone, so an
# install rule that a test or tool may add elsewhere never ends up in it.
include(GNUInstallDirs)
set(TARVIX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(TARVIX_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DOCDIR})
# The menu entry and the AppStream data share this id, so software centres
# match the two.
set(TARVIX_APP_ID com.zorva.tarvix_desktop)

install(TARGETS tarvix-desktop RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT desktop)
install(FILES ${TARVIX_PACKAGING_DIR}/${TARVIX_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT desktop)
install(FILES ${PROJECT_SOURCE_DIR}/src/Resource/Icon/base/zorva-tarvix.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT desktop)
install(DIRECTORY ${TARVIX_PACKAGING_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT desktop)
install(FILES ${TARVIX_PACKAGING_DIR}/copyright DESTINATION ${TARVIX_PACKAGE_DOC_DIR} COMPONENT desktop)

# The changelog's newest entry carries the project version, so the version
# lives in project() alone. Debian wants both files compressed without a time
# stamp, so that rebuilding the package gives the same bytes.
set(TARVIX_PACKAGE_FILES_DIR ${PROJECT_BINARY_DIR}/packaging)
configure_file(${TARVIX_PACKAGING_DIR}/changelog.in ${TARVIX_PACKAGE_FILES_DIR}/changelog @ONLY)
configure_file(${TARVIX_PACKAGING_DIR}/${TARVIX_APP_ID}.metainfo.xml
    ${TARVIX_PACKAGE_FILES_DIR}/${TARVIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${TARVIX_PACKAGE_FILES_DIR}/${TARVIX_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT desktop)
set(tarvix_package_gz "")
foreach(source ${TARVIX_PACKAGE_FILES_DIR}/changelog ${TARVIX_PACKAGING_DIR}/tarvix-desktop.1)
    get_filename_component(name ${source} NAME)
    set(gz ${TARVIX_PACKAGE_FILES_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND gzip --best --no-name --stdout ${source} > ${gz}
        DEPENDS ${source} VERBATIM)
    list(APPEND tarvix_package_gz ${gz})
endforeach()
add_custom_target(package-files ALL DEPENDS ${tarvix_package_gz})
install(FILES ${TARVIX_PACKAGE_FILES_DIR}/changelog.gz DESTINATION ${TARVIX_PACKAGE_DOC_DIR} COMPONENT desktop)
install(FILES ${TARVIX_PACKAGE_FILES_DIR}/tarvix-desktop.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT desktop)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZorvaSoft <support@zorvasoft.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop front-end of the Zorva intrusion detection services")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Shows the alerts that the host intrusion detection services raised, newest
first, draws statistics over a date range and exports them as a PDF report,
and switches the services and their settings. Desktop notifications of the
services open it with the alert they point at.")
set(CPACK_DEBIAN_PACKAGE_SECTION admin)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};desktop;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by dpkg-shlibdeps: Qt loads its SVG icon plugins at run time, and
# the program asks for "Noto Sans CJK SC" by name (windows and PDF report);
# Tibetan texts need a font of their own.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5svg5, fonts-noto-cjk, fonts-tibetan-machine")
# Qt's own texts (standard dialogs and buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
