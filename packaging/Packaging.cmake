# The Debian package "vorenxr": both programs, the desktop entry, icons,
# AppStream metainfo, manual pages and documents. scripts/package builds it;
# tests/package checks what is in it.
include(GNUInstallDirs)

find_program(VORENXR_HELP2MAN help2man)
find_program(VORENXR_RSVG_CONVERT rsvg-convert)
find_program(VORENXR_GZIP gzip)
if(NOT VORENXR_HELP2MAN OR NOT VORENXR_RSVG_CONVERT OR NOT VORENXR_GZIP)
  message(STATUS "No Debian package: help2man, rsvg-convert or gzip is missing (scripts/bootstrap installs them)")
  return()
endif()

set(VORENXR_MAINTAINER "VOREN XR tool developers <vorenxr@example.org>"
    CACHE STRING "Maintainer of the Debian package: name <address>")
set(VORENXR_RELEASE_DATE 2026-12-10)  # of this version, for the AppStream release
set(VORENXR_APP_ID org.vorenxr.diag)  # AppStream component and desktop entry
set(VORENXR_ICON vorenxr-diag)

set(packaging ${CMAKE_CURRENT_LIST_DIR})
set(generated ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated})

# Manual pages from each program's --help and --version.
set(manual_pages)
foreach(program vorenxr-diag vorenxr-sim)
  if(program STREQUAL vorenxr-diag)
    set(summary "diagnostic, engineering and end-of-line test tool of the VOREN XR aspirating smoke detector")
  else()
    set(summary "simulated VOREN XR aspirating smoke detector on a pseudo-terminal")
  endif()
  set(page ${generated}/${program}.1)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen
            ${VORENXR_HELP2MAN} --no-info --section=1 --name=${summary} --output=${page} $<TARGET_FILE:${program}>
    COMMAND ${VORENXR_GZIP} -9nf ${page}
    DEPENDS ${program}
    COMMENT "Manual page of ${program}"
    VERBATIM)
  list(APPEND manual_pages ${page}.gz)
endforeach()

# The icon at the fixed sizes of the hicolor theme, drawn from the one SVG.
set(icon_sizes 16 24 32 48 64 128 256)
set(icons)
foreach(size ${icon_sizes})
  set(icon ${generated}/icons/${size}x${size}/${VORENXR_ICON}.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons/${size}x${size}
    COMMAND ${VORENXR_RSVG_CONVERT} --width=${size} --height=${size} --output=${icon} ${packaging}/${VORENXR_ICON}.svg
    DEPENDS ${packaging}/${VORENXR_ICON}.svg
    VERBATIM)
  list(APPEND icons ${icon})
endforeach()

configure_file(${packaging}/changelog.in ${generated}/changelog @ONLY)
add_custom_command(OUTPUT ${generated}/changelog.gz
  COMMAND ${VORENXR_GZIP} -9nkf ${generated}/changelog
  DEPENDS ${generated}/changelog
  VERBATIM)
configure_file(${packaging}/${VORENXR_APP_ID}.metainfo.xml.in ${generated}/${VORENXR_APP_ID}.metainfo.xml @ONLY)

add_custom_target(vorenxr_package_files ALL DEPENDS ${manual_pages} ${icons} ${generated}/changelog.gz)

# Installed under /usr by the package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
install(TARGETS vorenxr-diag vorenxr-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/${VORENXR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${generated}/${VORENXR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging}/${VORENXR_ICON}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${icon_sizes})
  install(FILES ${generated}/icons/${size}x${size}/${VORENXR_ICON}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# A package whose version has no Debian revision is native: its changelog is changelog.gz.
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/docs/mended-faults.md
              ${packaging}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vorenxr)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorenxr)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VORENXR_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VORENXR_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "diagnostic tool for VOREN XR aspirating smoke detectors")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "vorenxr-diag is the desktop diagnostic, engineering and factory end-of-line
test tool of the VOREN XR aspirating smoke detector. It talks to the
detector over its USB virtual COM port: a field engineer runs a diagnostic
and saves its report, an engineer drives every command of the detector from
the engineering pages, a factory operator runs the guided end-of-line test of
a new board. The diagnostic and the log retrieval also run without a display.

vorenxr-sim is a simulated detector that answers on a pseudo-terminal as a
real one does, for trying the tool without hardware.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
