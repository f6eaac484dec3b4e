# A Debian package of the program, its user guide, desktop entry, icon and AppStream metainfo:
# `make package`.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.molvanex.Molvanex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.molvanex.Molvanex.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icon under the application id the desktop entry names, in every size the theme looks up.
set(MOLVANEX_ICON_NAME fr.molvanex.Molvanex)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/molvanex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${MOLVANEX_ICON_NAME}.svg)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/molvanex-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${MOLVANEX_ICON_NAME}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME molvanex)
set(CPACK_PACKAGE_VENDOR "Équipe Molvanex")
set(CPACK_PACKAGE_CONTACT "Équipe Molvanex <equipe@molvanex.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Advancement of a chemical reaction, for upper-secondary chemistry")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Teaching program: pick one of seven chemical equations, enter the initial quantities\n of its reactants and follow the advancement X with a slider or a timed animation,\n with a state table, a bar chart and a line chart.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, xdg-utils")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
