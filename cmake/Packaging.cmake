# A Debian package of the program, its user guide, desktop entry, icon and AppStream metainfo:
# `make package`.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.molvanex.Molvanex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.molvanex.Molvanex.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The situation files (*.molvanex), which the desktop entry opens.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.molvanex.Molvanex.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
# The icon under the application id the desktop entry names, in every size the theme looks up.
set(MOLVANEX_ICON_NAME fr.molvanex.Molvanex)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/molvanex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${MOLVANEX_ICON_NAME}.svg)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/molvanex-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${MOLVANEX_ICON_NAME}.png)
endforeach()

# The manual pages (English and French) and the changelog, compressed as Debian ships them, and the
# copyright file.
set(MOLVANEX_PACKAGE_DOCS)
foreach(page man/molvanex.1 man/fr/molvanex.1 changelog)
    set(compressed ${PROJECT_BINARY_DIR}/packaging/${page}.gz)
    get_filename_component(folder ${compressed} DIRECTORY)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/${page} > ${compressed}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${page} VERBATIM)
    list(APPEND MOLVANEX_PACKAGE_DOCS ${compressed})
endforeach()
add_custom_target(molvanex_package_docs ALL DEPENDS ${MOLVANEX_PACKAGE_DOCS})
add_dependencies(molvanex molvanex_package_docs)
install(FILES ${PROJECT_BINARY_DIR}/packaging/man/molvanex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/packaging/man/fr/molvanex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME molvanex)
set(CPACK_PACKAGE_VENDOR "Équipe Molvanex")
set(CPACK_PACKAGE_CONTACT "Équipe Molvanex <equipe@molvanex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Advancement of a chemical reaction, for upper-secondary chemistry")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Teaching program: pick one of seven chemical equations, enter the initial\n quantities of its reactants and follow the advancement X with a slider or a\n timed animation, with a state table, a bar chart and a line chart.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, xdg-utils")
# Qt's own French texts; the program runs without them, in Qt's English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
