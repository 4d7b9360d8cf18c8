# What "cmake --install" puts where, and the Debian package made from it by CPack
# ("cmake --build build --target package"). Included by the top CMakeLists.txt after the targets.
#
# Installed, the program finds its province list in ../share/zelkor/ beside bin/ and keeps the
# user's files in the user's data folder (src/core/platform/ProgramFolder.cpp).

set(ZELKOR_APP_ID it.orvent.zelkor)
# The project's web site, where software centres also fetch docs/screenshot.png, and the
# package's maintainer. Placeholders until the project has real ones.
set(ZELKOR_HOMEPAGE_URL "https://zelkor.invalid/")
set(ZELKOR_SCREENSHOT_URL "${ZELKOR_HOMEPAGE_URL}screenshot.png")
set(ZELKOR_MAINTAINER "Zelkor developers <zelkor@orvent.invalid>")

set(_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(_generated ${PROJECT_BINARY_DIR}/packaging)

# Directories made by the install get the usual modes whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS zelkor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/_prov.cod ${PROJECT_SOURCE_DIR}/data/_prov_pos.cod
    DESTINATION ${CMAKE_INSTALL_DATADIR}/zelkor)

# Menu entry, icon and software-centre metadata, all named by the application id.
install(FILES ${_packaging}/${ZELKOR_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/resources/artwork/zelkor-icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZELKOR_APP_ID}.svg)
# The PNGs were rendered once from the SVG (rsvg-convert -w N -h N zelkor-icon.svg); render them
# again when the SVG changes.
foreach(_size 48 128 256)
    install(FILES ${_packaging}/icons/zelkor-${_size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_size}x${_size}/apps
        RENAME ${ZELKOR_APP_ID}.png)
endforeach()
configure_file(${_packaging}/${ZELKOR_APP_ID}.metainfo.xml.in
    ${_generated}/${ZELKOR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${_generated}/${ZELKOR_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages, English and Italian, and the package's changelog: filled in with the version and
# compressed the way Debian wants them (gzip -9n, reproducible). The changelog's one entry
# follows the project version.
execute_process(COMMAND date -u -R -d "${ZELKOR_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE ZELKOR_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE _date_status)
if(NOT _date_status EQUAL 0)
    message(FATAL_ERROR "ZELKOR_RELEASE_DATE is not a date: ${ZELKOR_RELEASE_DATE}")
endif()
configure_file(${PROJECT_SOURCE_DIR}/docs/man/zelkor.1.in ${_generated}/man/zelkor.1 @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/docs/man/zelkor.it.1.in ${_generated}/man/it/zelkor.1 @ONLY)
configure_file(${_packaging}/debian/changelog.in ${_generated}/changelog @ONLY)
find_program(ZELKOR_GZIP gzip REQUIRED)
set(_compressed)
foreach(_file man/zelkor.1 man/it/zelkor.1 changelog)
    add_custom_command(OUTPUT ${_generated}/${_file}.gz
        COMMAND ${ZELKOR_GZIP} -9nkf ${_generated}/${_file}
        DEPENDS ${_generated}/${_file}
        COMMENT "Compressing ${_file}"
        VERBATIM)
    list(APPEND _compressed ${_generated}/${_file}.gz)
endforeach()
add_custom_target(zelkor_compressed_docs ALL DEPENDS ${_compressed})
install(FILES ${_generated}/man/zelkor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_generated}/man/it/zelkor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1)
# The manual (a text inside the program) points to the pictures of the "Andamento" window here.
install(FILES ${_packaging}/debian/copyright ${_generated}/changelog.gz
    ${PROJECT_SOURCE_DIR}/docs/andamento-grafico.png ${PROJECT_SOURCE_DIR}/docs/andamento-mappa.png
    DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package: zelkor_VERSION_ARCH.deb in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelkor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZELKOR_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ZELKOR_HOMEPAGE_URL})
# The libraries the executable links come from dpkg-shlibdeps; Qt loads the SVG plugins (icon,
# pictures) and its Italian texts at run time, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
# CPack indents the lines after the summary itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"logger for the Italian 40/80 m amateur-radio contest
Zelkor is the logger for the Contest Italiano 40/80 metri. The operator
types every contact into an entry row as it happens; Zelkor checks the
fields, shows earlier contacts with the same station, flags duplicates and
new multipliers, keeps every change on disk at once, computes the claimed
score and writes Cabrillo, ADIF and log-checker text files, also from the
command line. A second mode serves short-wave listeners (SWL).
.
The user interface is in Italian.")
include(CPack)
