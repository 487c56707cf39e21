# Wheelwright - lottery wheeling
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What a desktop installation adds to the program and its data: the menu entry, the icon
# in every size the hicolor theme knows, the AppStream metainfo, the man pages, and the
# Debian package that carries all of it (cpack -G DEB).

include(GNUInstallDirs)

set(WHEELWRIGHT_APP_ID io.github.wheelwright.Wheelwright)
set(WHEELWRIGHT_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)

install(FILES ${WHEELWRIGHT_PACKAGING_DIR}/${WHEELWRIGHT_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${WHEELWRIGHT_PACKAGING_DIR}/${WHEELWRIGHT_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${WHEELWRIGHT_PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wheelwright)

# Debian keeps the programs lean: no compiler notes in them (strip, as the installation and
# cpack do it, leaves .comment in), and every symbol bound at start so the relocations can be
# made read-only.
foreach(program wheelwright wheelgen)
    target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
endforeach()
if(CMAKE_STRIP)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(program $<TARGET_FILE_NAME:wheelwright> $<TARGET_FILE_NAME:wheelgen>)
                execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/\${program}\"
                                COMMAND_ERROR_IS_FATAL ANY)
            endforeach()
        endif()")
endif()

# Icons. The SVG is the source; the PNGs are drawn from it at build time. Below 48 pixels
# the digits on the balls would only blur, so those sizes come from the bolder drawing.
install(FILES ${WHEELWRIGHT_PACKAGING_DIR}/${WHEELWRIGHT_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(WHEELWRIGHT_ICON_SIZES 16 22 24 32 48 64 128 256 512)
find_program(RSVG_CONVERT rsvg-convert)
set(WHEELWRIGHT_ICON_PNGS)
if(RSVG_CONVERT)
    foreach(size IN LISTS WHEELWRIGHT_ICON_SIZES)
        if(size LESS 48)
            set(svg ${WHEELWRIGHT_PACKAGING_DIR}/${WHEELWRIGHT_APP_ID}-small.svg)
        else()
            set(svg ${WHEELWRIGHT_PACKAGING_DIR}/${WHEELWRIGHT_APP_ID}.svg)
        endif()
        set(png ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/${WHEELWRIGHT_APP_ID}.png)
        add_custom_command(
            OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}
            COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${svg}
            DEPENDS ${svg}
            VERBATIM)
        install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        list(APPEND WHEELWRIGHT_ICON_PNGS ${png})
    endforeach()
    add_custom_target(wheelwright_icons ALL DEPENDS ${WHEELWRIGHT_ICON_PNGS})
else()
    message(WARNING "rsvg-convert (Debian: librsvg2-bin) was not found: only the scalable icon is installed")
endif()

# Man pages, with the project's version filled in, and the changelog, compressed as Debian
# keeps them: at the most, with no name or time in the header, so a rebuild gives the same bytes.
find_program(GZIP gzip)
set(WHEELWRIGHT_MAN_PAGES)
foreach(page wheelwright wheelgen)
    set(man ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1)
    configure_file(${WHEELWRIGHT_PACKAGING_DIR}/man/${page}.1.in ${man} @ONLY)
    list(APPEND WHEELWRIGHT_MAN_PAGES ${man})
endforeach()
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/doc/changelog)
configure_file(${WHEELWRIGHT_PACKAGING_DIR}/changelog ${changelog} COPYONLY)
set(WHEELWRIGHT_GZ)
foreach(file IN LISTS WHEELWRIGHT_MAN_PAGES changelog)
    if(file MATCHES "\\.1$")
        set(destination ${CMAKE_INSTALL_MANDIR}/man1)
    else()
        set(destination ${CMAKE_INSTALL_DATADIR}/doc/wheelwright)
    endif()
    if(GZIP)
        add_custom_command(
            OUTPUT ${file}.gz
            COMMAND ${GZIP} -9 -n -f -k ${file}
            DEPENDS ${file}
            VERBATIM)
        install(FILES ${file}.gz DESTINATION ${destination})
        list(APPEND WHEELWRIGHT_GZ ${file}.gz)
    else()
        install(FILES ${file} DESTINATION ${destination})
    endif()
endforeach()
if(GZIP)
    add_custom_target(wheelwright_compressed_docs ALL DEPENDS ${WHEELWRIGHT_GZ})
endif()

# The Debian package. dpkg-shlibdeps reads the libraries the programs really link; the
# rest are what Qt and the window need at run time without linking them: the xcb platform
# plugin and the font the number grid is drawn in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wheelwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Wheelwright developers")
set(CPACK_PACKAGE_CONTACT "The Wheelwright developers <wheelwright@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lottery wheeling tool with proven wheels")
# Debian shows the long description as it stands: lines under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Wheelwright spreads your lottery numbers over tickets with a wheel whose"
    "guarantee is proven draw by draw: if enough of the drawn numbers are among"
    "yours, at least one ticket wins what the wheel promises. It knows the"
    "lotteries of many countries.")
# How many wheels, and for up to how many numbers, is counted in the built database when
# cpack packs (packaging/CPackOptions.cmake).
find_program(SQLITE3_PROGRAM sqlite3)
set(CPACK_WHEELWRIGHT_SQLITE3 ${SQLITE3_PROGRAM})
set(CPACK_WHEELWRIGHT_DATABASE ${RES_DIR}/data.sqlite3)
set(CPACK_PROJECT_CONFIG_FILE ${WHEELWRIGHT_PACKAGING_DIR}/CPackOptions.cmake)
set(CPACK_PACKAGE_HOMEPAGE_URL https://github.com/wheelwright/wheelwright)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(WHEELWRIGHT_RUNTIME_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")
# The window's own catalogues are compiled in; Qt's (the buttons of its dialogs) and a font with
# the Chinese characters come from Debian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(FILE_EXECUTABLE file)
if(DPKG_SHLIBDEPS AND FILE_EXECUTABLE)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS ${WHEELWRIGHT_RUNTIME_DEPENDS})
else()
    # Debian 12's names, for a build without dpkg-dev.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), libqt6concurrent6 (>= 6.4), \
libqt6printsupport6 (>= 6.4), libsqlite3-0 (>= 3.7), libstdc++6 (>= 12), libc6 (>= 2.34), ${WHEELWRIGHT_RUNTIME_DEPENDS}")
endif()
include(CPack)

if(BUILD_TESTING)
    # The files a desktop reads are checked by the validators the desktops themselves use;
    # each check is skipped where its tool is not installed.
    set(check ${CMAKE_CURRENT_SOURCE_DIR}/tests/packaging.cmake)
    set(icon_sizes)
    if(RSVG_CONVERT)
        string(JOIN , icon_sizes ${WHEELWRIGHT_ICON_SIZES})
    endif()
    string(JOIN , man_pages ${WHEELWRIGHT_MAN_PAGES})
    add_test(NAME packaging_desktop_file_valid
             COMMAND ${CMAKE_COMMAND} -DCHECK=desktop
                     -DFILE=${WHEELWRIGHT_PACKAGING_DIR}/${WHEELWRIGHT_APP_ID}.desktop -P ${check})
    add_test(NAME packaging_metainfo_valid
             COMMAND ${CMAKE_COMMAND} -DCHECK=metainfo
                     -DFILE=${WHEELWRIGHT_PACKAGING_DIR}/${WHEELWRIGHT_APP_ID}.metainfo.xml -P ${check})
    add_test(NAME packaging_man_pages_clean
             COMMAND ${CMAKE_COMMAND} -DCHECK=man -DFILE=${man_pages} -DWHEELGEN=$<TARGET_FILE:wheelgen> -P ${check})
    # Scripts call --help and --version with no display.
    add_test(NAME packaging_help_headless
             COMMAND ${CMAKE_COMMAND} -DCHECK=help -DWHEELWRIGHT=$<TARGET_FILE:wheelwright>
                     -DWHEELGEN=$<TARGET_FILE:wheelgen> -DVERSION=${PROJECT_VERSION} -P ${check})

    # An installation under a fresh prefix holds every file a desktop and man look for.
    add_test(NAME packaging_install_tree
             COMMAND ${CMAKE_COMMAND} -DCHECK=install -DBUILD_DIR=${CMAKE_BINARY_DIR}
                     -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/packaging-check/install
                     -DAPP_ID=${WHEELWRIGHT_APP_ID} -DICON_SIZES=${icon_sizes}
                     -DPRINT_MODULE=bin/${WHEELWRIGHT_PRINT_MODULE_DIR}/$<TARGET_FILE_NAME:wheelwright_print>
                     -DMAN_SUFFIX=$<$<BOOL:${GZIP}>:.gz> -P ${check})
    # The Debian package builds and carries the same files under /usr with its dependencies.
    add_test(NAME packaging_deb_builds
             COMMAND ${CMAKE_COMMAND} -DCHECK=deb -DBUILD_DIR=${CMAKE_BINARY_DIR} -DCPACK=${CMAKE_CPACK_COMMAND}
                     -DWORK=${CMAKE_CURRENT_BINARY_DIR}/packaging-check/deb -DAPP_ID=${WHEELWRIGHT_APP_ID}
                     -DPRINT_MODULE=bin/${WHEELWRIGHT_PRINT_MODULE_DIR}/$<TARGET_FILE_NAME:wheelwright_print>
                     -P ${check})
    set_tests_properties(packaging_desktop_file_valid packaging_metainfo_valid packaging_man_pages_clean
                         packaging_help_headless packaging_install_tree packaging_deb_builds
                         PROPERTIES SKIP_REGULAR_EXPRESSION "SKIPPED:"
                                    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")
endif()
