# Installs the build tree into a scratch DESTDIR under /usr and checks that every file a
# package must hold is there. Run by CTest with BUILD_DIR, DEST_DIR, APP_ID and ICON_SIZES.
file(REMOVE_RECURSE "${DEST_DIR}")
set(ENV{DESTDIR} "${DEST_DIR}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE result
  OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(root "${DEST_DIR}/usr")
set(expected
  bin/ombrelo
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/doc/ombrelo/copyright
  share/doc/ombrelo/changelog
  share/doc/ombrelo/README.md
  share/man/man1/ombrelo.1)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

set(missing "")
foreach(path IN LISTS expected)
  if(NOT EXISTS "${root}/${path}")
    list(APPEND missing "${path}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
execute_process(COMMAND test -x "${root}/bin/ombrelo" RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "bin/ombrelo is not executable")
endif()
list(LENGTH expected count)
message(STATUS "all ${count} files installed")
