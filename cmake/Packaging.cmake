# A Debian package of the program, its user guide, desktop entry, icon and AppStream metainfo:
# `make package`.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.molvanex.Molvanex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fr.molvanex.Molvanex.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
if(EXISTS ${PROJECT_SOURCE_DIR}/packaging/icons)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/packaging/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

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
