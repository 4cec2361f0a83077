# `cmake --install`: the programs in bin, the modules in lib/zorvqi (the programs find them as
# <executable>/../lib/zorvqi), the shipped data in share/zorvqi, the desktop entry, the icons
# and the systemd user unit of the headless monitor. Paths written into the files are taken
# at install time, so `--prefix` and CPack's prefix both hold.
set(ZORVQI_DATA_BUILD_DIR ${CMAKE_BINARY_DIR}/data)

if(ZORVQI_GUI)
  install(TARGETS zorvqi RUNTIME DESTINATION bin)
  install(TARGETS ewe LIBRARY DESTINATION lib/zorvqi)
endif()
install(TARGETS zorvqi-cli RUNTIME DESTINATION bin)
install(TARGETS gzip_module LIBRARY DESTINATION lib/zorvqi)
install(FILES ${ZORVQI_DATA_BUILD_DIR}/shipped/zorv.db ${ZORVQI_DATA_BUILD_DIR}/shipped/zorvqi.ini
        DESTINATION share/zorvqi)

install(FILES ${CMAKE_SOURCE_DIR}/data/icons/zorvqi.svg DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${ZORVQI_DATA_BUILD_DIR}/icons/${size}x${size}/zorvqi.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

# The desktop entry and the unit name the installed programs by their full path.
install(CODE "
  set(bindir \"\${CMAKE_INSTALL_PREFIX}/bin\")
  foreach(pair \"zorvqi.desktop;share/applications\" \"zorvqi-watch.service;lib/systemd/user\")
    list(GET pair 0 name)
    list(GET pair 1 destination)
    set(generated \"${CMAKE_BINARY_DIR}/data/install/\${name}\")
    file(READ \"${CMAKE_SOURCE_DIR}/data/\${name}.in\" text)
    string(REPLACE \"@BINDIR@\" \"\${bindir}\" text \"\${text}\")
    file(WRITE \"\${generated}\" \"\${text}\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/\${destination}\" TYPE FILE FILES \"\${generated}\")
  endforeach()
")

# The Debian package (scripts/package). Library dependencies come from dpkg-shlibdeps; the Qt
# platform plugins and the CJK font are loaded at run time, so no library pulls them in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvqi)
set(CPACK_PACKAGE_CONTACT "zorvqi developers <zorvqi@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "watches article lists of web sites and reminds you of new articles")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
include(CPack)
