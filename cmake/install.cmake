# What `cmake --install` puts in place, under the usual folders of
# GNUInstallDirs: the program, its desktop entry, its icon in the desktop's
# icon theme, its AppStream metadata, its manual pages and its copyright file.
# The Debian package holds the same files: cmake/package.cmake.
include(GNUInstallDirs)

# Where the project is published: the home page of its metadata, whose docs/
# folder serves the screenshots the metadata shows. The default lies in the
# reserved .invalid domain, a placeholder until the project is published, as
# is the metadata's identifier, which follows the home page's domain.
set(BEAM_DEFLECTION_HOMEPAGE "https://beam-deflection.invalid" CACHE STRING
    "Home page of the project; the AppStream screenshots are its docs/*.png")
set(BEAM_DEFLECTION_APP_ID "invalid.beam_deflection.BeamDeflection")

install(TARGETS beam-deflection RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES resources/desktop/beam-deflection.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

install(FILES resources/icons/beam-deflection.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES resources/icons/beam-deflection-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME beam-deflection.png)
endforeach()

set(metainfo ${PROJECT_BINARY_DIR}/${BEAM_DEFLECTION_APP_ID}.metainfo.xml)
configure_file(resources/desktop/metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The licence, LICENSE, as the package's copyright file in Debian's
# machine-readable format: its text after the licence's title, each line
# indented by a space and each empty line a lone dot.
file(READ LICENSE licence)
string(REGEX REPLACE "^MIT License\n\n" "" licence "${licence}")
string(REGEX REPLACE "\n+$" "" licence "${licence}")
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " LICENSE_TEXT " ${licence}")
configure_file(resources/desktop/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The manual pages, compressed as Debian keeps them: the Traditional Chinese
# one, in the program's language, for `man beam-deflection`, and the English
# one for `man -L en beam-deflection`.
function(add_manual_page language destination)
  set(folder ${PROJECT_BINARY_DIR}/man/${language})
  configure_file(resources/desktop/beam-deflection.${language}.1.in ${folder}/beam-deflection.1 @ONLY)
  add_custom_command(OUTPUT ${folder}/beam-deflection.1.gz
                     COMMAND gzip -9 --no-name --keep --force beam-deflection.1
                     DEPENDS ${folder}/beam-deflection.1
                     WORKING_DIRECTORY ${folder}
                     VERBATIM)
  add_custom_target(manual-page-${language} ALL DEPENDS ${folder}/beam-deflection.1.gz)
  install(FILES ${folder}/beam-deflection.1.gz DESTINATION ${destination})
endfunction()
add_manual_page(zh_TW ${CMAKE_INSTALL_MANDIR}/man1)
add_manual_page(en ${CMAKE_INSTALL_MANDIR}/en/man1)

include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)
