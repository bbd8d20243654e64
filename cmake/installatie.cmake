# What `cmake --install` puts in place: the program (src/CMakeLists.txt), the
# menu entry with its icons, the example that the first start copies, the Dutch
# manual and the manual page.

set(MORVEL_SHARE ${PROJECT_SOURCE_DIR}/share)

install(FILES ${MORVEL_SHARE}/morvel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

foreach(grootte 16 32 64 256)
  install(FILES ${PROJECT_SOURCE_DIR}/src/gui/pictogram/morvel-${grootte}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${grootte}x${grootte}/apps
    RENAME morvel.png)
endforeach()

# The program finds the example as share/morvel beside its own bin folder.
install(DIRECTORY ${MORVEL_SHARE}/voorbeeld/ DESTINATION ${CMAKE_INSTALL_DATADIR}/morvel)
# The help window finds the manual there too; a browser reads it as it is.
install(FILES ${MORVEL_SHARE}/handleiding/handleiding.html DESTINATION ${CMAKE_INSTALL_DATADIR}/morvel)

configure_file(${MORVEL_SHARE}/morvel.1.in ${PROJECT_BINARY_DIR}/morvel.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/morvel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
