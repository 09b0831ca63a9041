# Installing the game like any desktop game: the programs in the games folder, the sound module
# in a library folder of its own, the data the game ships in the shared data folder, menu
# entries, icons, manual pages and the software-centre description; the scores server with its
# systemd unit apart; and the two .deb packages made from that, zindrel and zindrel-scores.

set(ZINDREL_APP_ID org.zindrel.Zindrel)
set(QUENBRY_APP_ID org.zindrel.Quenbry)

# Programs added later (the pack checker) join the installed ones here.
set(ZINDREL_PROGRAMS zindrel quenbry)
if(TARGET zindrel-check)
  list(APPEND ZINDREL_PROGRAMS zindrel-check)
endif()
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)
install(TARGETS ${ZINDREL_PROGRAMS} RUNTIME DESTINATION ${ZINDREL_INSTALL_GAMESDIR})
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
# Each package's documentation folder: the copyright notice and the changelog, compressed the
# way Debian's tools expect (gzip -9n: no name, no time, so the bytes are the same each build).
set(ZINDREL_PACKAGES zindrel)
if(TARGET zindrel-scores)
  list(APPEND ZINDREL_PACKAGES zindrel-scores)
endif()
set(ZINDREL_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${ZINDREL_CHANGELOG_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > ${ZINDREL_CHANGELOG_GZ}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
  COMMENT "Compressing the changelog")
set(ZINDREL_PACKAGE_FILES ${ZINDREL_CHANGELOG_GZ})

# Manual pages, made at build time from each program's own --help and --version by Debian's
# help2man, so the page never says other than the program. Section 6 for the game and its
# tools, 1 for the server.
option(ZINDREL_MAN_PAGES "Write the manual pages with help2man" ON)
if(ZINDREL_MAN_PAGES)
  find_program(HELP2MAN help2man)
endif()
set(ZINDREL_MAN_PAGES
  "zindrel|6|a hacking-simulation game|game"
  "quenbry|6|the mission-pack creator of Zindrel|game"
  "zindrel-check|6|check a Zindrel mission pack or language file|game")
if(TARGET zindrel-scores)
  list(APPEND ZINDREL_MAN_PAGES "zindrel-scores|1|the highscore server of Zindrel|scores")
endif()
if(HELP2MAN)
  foreach(page ${ZINDREL_MAN_PAGES})
    string(REPLACE "|" ";" fields "${page}")
    list(GET fields 0 program)
    list(GET fields 1 section)
    list(GET fields 2 summary)
    list(GET fields 3 component)
    set(man ${CMAKE_BINARY_DIR}/man/${program}.${section})
    add_custom_command(OUTPUT ${man}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
        QT_QPA_PLATFORM=offscreen ${HELP2MAN} --no-info --no-discard-stderr --section=${section}
        --name=${summary} --output=${man} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${man}
      DEPENDS ${program}
      COMMENT "Writing the manual page of ${program}"
      VERBATIM)
    list(APPEND ZINDREL_PACKAGE_FILES ${man}.gz)
    install(FILES ${man}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section}
      COMPONENT ${component})
  endforeach()
elseif(ZINDREL_MAN_PAGES)
  message(STATUS "help2man not found: no manual pages (Debian package help2man)")
endif()
add_custom_target(package_files ALL DEPENDS ${ZINDREL_PACKAGE_FILES})

install(FILES ${PROJECT_SOURCE_DIR}/README.md ${CMAKE_CURRENT_LIST_DIR}/copyright
  ${ZINDREL_CHANGELOG_GZ} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zindrel)

if(TARGET zindrel-scores)
  install(TARGETS zindrel-scores RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT scores)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${ZINDREL_CHANGELOG_GZ}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zindrel-scores COMPONENT scores)
  # The unit names /usr/bin/zindrel-scores: it belongs to packages installed under /usr.
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/zindrel-scores.service
    DESTINATION lib/systemd/system COMPONENT scores)
endif()

# The .debs, one per component. The game's dependencies are what the programs and the sound
# module link (the Qt 6 runtime libraries, found by dpkg-shlibdeps) and the Qt platform plugins,
# which nothing links but without which no window opens; the server's are its libraries and
# the Qt Sql drivers it loads.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zindrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Zindrel developers <zindrel@zindrel.example>")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME zindrel)
set(CPACK_DEBIAN_GAME_PACKAGE_SECTION games)
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_COMPONENT_GAME_DESCRIPTION "hacking-simulation game with a mission-pack creator
Zindrel is a single-player game in which you sit at the console of a
fictional operating system of the late nineties, take missions by e-mail
and break into hosts before the trace reaches you. Quenbry, the
mission-pack creator, writes new packs for it.")
if(TARGET zindrel-scores)
  list(APPEND CPACK_COMPONENTS_ALL scores)
  set(CPACK_DEBIAN_SCORES_PACKAGE_NAME zindrel-scores)
  set(CPACK_DEBIAN_SCORES_PACKAGE_SECTION web)
  set(CPACK_DEBIAN_SCORES_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql")
  set(CPACK_COMPONENT_SCORES_DESCRIPTION "highscore server for the game Zindrel
The results the game Zindrel submits with TEST_HIGHSCORE are stored by
this small HTTP server, in SQLite or PostgreSQL, and shown as a
leaderboard page and as JSON. A systemd unit runs it as a dynamic user.")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zindrel.example")
set(CPACK_STRIP_FILES ON)
include(CPack)
