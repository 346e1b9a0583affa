# Installation and the Debian package: the programs with fly.dll beside them (where they read it) in a
# folder of their own, linked from bin/; the examples, a desktop entry, the input file type and the icon.
include(GNUInstallDirs)

set(RIPADES_PROGRAM_DIR lib/ripades)
set(programs ripades-batch)
if(TARGET ripades)
  list(PREPEND programs ripades)
endif()
install(TARGETS ${programs} DESTINATION ${RIPADES_PROGRAM_DIR})
install(FILES ${RIPADES_LIBRARY_FILE} DESTINATION ${RIPADES_PROGRAM_DIR})
# The programs find fly.dll beside their real path, so bin/ holds relative links to them.
foreach(program IN LISTS programs)
  set(link ${CMAKE_BINARY_DIR}/bin-links/${program})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin-links)
  file(CREATE_LINK ../${RIPADES_PROGRAM_DIR}/${program} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/ripades-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ripades.xml)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/ripades/examples
        FILES_MATCHING PATTERN "*.inp")
install(FILES ${CMAKE_SOURCE_DIR}/data/ripades.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/ripades.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/ripades.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ripades)
set(CPACK_PACKAGE_VENDOR "RIPADES developers")
set(CPACK_PACKAGE_CONTACT "RIPADES developers <ripades@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Thickness design of rigid airfield pavements")
# One string: two would be joined as a list, with a ";" between them.
set(CPACK_PACKAGE_DESCRIPTION
    "RIPADES designs the concrete slab thickness of an airfield pavement for a traffic mix of aircraft, \
from the Westergaard edge stress, gear and wander factors and the concrete fatigue relation.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY ripades)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps names exactly the runtime packages the programs link against (the Qt 6 libraries).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")  # the window system plugins
include(CPack)
