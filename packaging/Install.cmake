# Installing the game like any desktop game: the programs in the binary folder, the sound module
# in a library folder of its own, the data the game ships in the shared data folder, menu
# entries, icons and the software-centre description; and the .deb package made from that.

set(ZINDREL_APP_ID org.zindrel.Zindrel)
set(QUENBRY_APP_ID org.zindrel.Quenbry)

# Programs added later (the pack checker) join the installed ones here.
set(ZINDREL_PROGRAMS zindrel quenbry)
if(TARGET zindrel-check)
  list(APPEND ZINDREL_PROGRAMS zindrel-check)
endif()
install(TARGETS ${ZINDREL_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS zindrel_sound LIBRARY DESTINATION ${ZINDREL_INSTALL_MODULEDIR})

# The shipped data: languages, sounds, the default file system, the help text, the packs and
# Quenbry's instructions. Installed it is only read; the player's files go to his own folder.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${ZINDREL_INSTALL_DATADIR})

install(FILES
  ${CMAKE_CURRENT_LIST_DIR}/${ZINDREL_APP_ID}.desktop
  ${CMAKE_CURRENT_LIST_DIR}/${QUENBRY_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES
  ${CMAKE_CURRENT_LIST_DIR}/${ZINDREL_APP_ID}.metainfo.xml
  ${CMAKE_CURRENT_LIST_DIR}/${QUENBRY_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(id ${ZINDREL_APP_ID} ${QUENBRY_APP_ID})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${id}.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${size}/${id}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/copyright
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zindrel)

# The .deb: its dependencies are what the programs and the sound module link (the Qt 6 runtime
# libraries, found by dpkg-shlibdeps) and the Qt platform plugins, which nothing links but
# without which no window opens.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zindrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Zindrel developers <zindrel@zindrel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hacking-simulation game with a mission-pack creator")
set(CPACK_PACKAGE_DESCRIPTION
  "Zindrel is a single-player game in which you sit at the console of a fictional operating
system of the late nineties, take missions by e-mail and break into hosts before the trace
reaches you. Quenbry, the mission-pack creator, writes new packs for it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zindrel.example")
set(CPACK_STRIP_FILES ON)
include(CPack)
