# The program's place in a Linux desktop: its menu entry, its icon in the sizes a theme looks
# for, and the description that software centres show.
include(GNUInstallDirs)

set(app_id bg.strelbishte.strelbishte)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 32 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icon_${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME strelbishte.png)
endforeach()
