# What `cmake --install` and `cpack -G DEB` put on the machine: the trainer and tessal-render in
# bin/, the dictionaries and practice texts in share/tessal/, a menu entry, its icon, a man page.
include(GNUInstallDirs)

install(TARGETS tessal tessal-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Dictionary DESTINATION ${CMAKE_INSTALL_DATADIR}/tessal)
# The glob re-runs at build time, so a Practice/ folder that appears later is installed too.
file(GLOB TESSAL_PRACTICE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Practice/*)
if(TESSAL_PRACTICE_FILES)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/Practice DESTINATION ${CMAKE_INSTALL_DATADIR}/tessal)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/data/tessal.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/tessal.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(side 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/data/icons/tessal-${side}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${side}x${side}/apps
            RENAME tessal.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/tessal-render.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessal)
set(CPACK_PACKAGE_VENDOR "Tessal")
set(CPACK_PACKAGE_CONTACT "Tessal developers <tessal@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Morse code trainer for radio amateurs")
# The summary above is the synopsis line. One string: several quoted arguments would make a list
# and put semicolons into the control file.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Listening practice with random characters (Latin letters, hiragana, digits,\n"
    "symbols, prosigns), practice text files or free text; a keyer page for a\n"
    "straight key, a bug or a paddle on a serial port or the keyboard; and\n"
    "simulated rubber-stamp QSOs. tessal-render writes practice texts as audio.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# Libraries come from dpkg-shlibdeps; these are loaded at run time: Qt's X11/Wayland plugins,
# the espeak-ng voices and the window's Japanese face.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, espeak-ng-data, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
