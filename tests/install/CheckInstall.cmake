# Installs the build into PREFIX and checks that each file a desktop needs is where it looks.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(installed
    bin/tallowmere
    share/applications/${APP_ID}.desktop
    share/icons/hicolor/scalable/apps/${APP_ID}.svg
    share/metainfo/${APP_ID}.metainfo.xml)
  if(NOT EXISTS ${PREFIX}/${installed})
    message(FATAL_ERROR "${installed} was not installed")
  endif()
endforeach()
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry)
if(NOT entry MATCHES "Categories=Office;Database;" OR NOT entry MATCHES "Icon=${APP_ID}")
  message(FATAL_ERROR "the desktop entry lacks its categories or icon")
endif()
file(REMOVE_RECURSE ${PREFIX})
