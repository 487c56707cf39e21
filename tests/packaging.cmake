# Wheelwright - lottery wheeling
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks of what an installation and the Debian package carry, run as
#   cmake -DCHECK=desktop|metainfo|man|install|deb ... -P packaging.cmake
# A check whose tool is not installed prints "SKIPPED:" and passes as skipped. The deb check
# also lints the package where lintian is installed.

cmake_minimum_required(VERSION 3.22)

function(skip_without tool package)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
        message("SKIPPED: ${tool} is not installed (Debian: ${package})")
        set(skipped TRUE PARENT_SCOPE)
    endif()
endfunction()

# Reads KEY=value from the [Desktop Entry] of a desktop file.
function(desktop_value file key out)
    file(STRINGS ${file} lines REGEX "^${key}=")
    list(LENGTH lines n)
    if(NOT n EQUAL 1)
        message(FATAL_ERROR "${file}: expected one ${key}= line, found ${n}")
    endif()
    string(REGEX REPLACE "^${key}=" "" value "${lines}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

function(expect_files prefix)
    foreach(f IN LISTS ARGN)
        if(NOT EXISTS ${prefix}/${f})
            message(FATAL_ERROR "missing from the installation: ${f}")
        endif()
    endforeach()
endfunction()

# Every PNG icon must be drawn at the size its folder promises.
function(expect_png_size file size)
    file(READ ${file} header OFFSET 12 LIMIT 12 HEX)
    string(SUBSTRING "${header}" 0 8 chunk)
    string(SUBSTRING "${header}" 8 8 w)
    string(SUBSTRING "${header}" 16 8 h)
    math(EXPR w "0x${w}")
    math(EXPR h "0x${h}")
    if(NOT chunk STREQUAL "49484452" OR NOT w EQUAL size OR NOT h EQUAL size)
        message(FATAL_ERROR "${file}: a ${w}x${h} picture where ${size}x${size} belongs")
    endif()
endfunction()

if(CHECK STREQUAL "desktop")
    skip_without(desktop-file-validate desktop-file-utils)
    if(skipped)
        return()
    endif()
    # Hints count too: a second main category shows the program twice in some menus.
    execute_process(COMMAND ${found_desktop-file-validate} ${FILE} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                    ERROR_VARIABLE out)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
        message(FATAL_ERROR "desktop-file-validate ${FILE} (exit ${rc}):\n${out}")
    endif()

elseif(CHECK STREQUAL "metainfo")
    skip_without(appstreamcli appstream)
    if(skipped)
        return()
    endif()
    execute_process(COMMAND ${found_appstreamcli} validate --no-net --no-color ${FILE} RESULT_VARIABLE rc
                    OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate ${FILE} (exit ${rc}):\n${out}")
    endif()

elseif(CHECK STREQUAL "man")
    string(REPLACE "," ";" pages "${FILE}")
    foreach(page IN LISTS pages)
        file(READ ${page} text)
        foreach(section NAME SYNOPSIS DESCRIPTION OPTIONS FILES "EXIT STATUS")
            if(NOT text MATCHES "\n\\.SH \"?${section}\"?\n")
                message(FATAL_ERROR "${page}: no ${section} section")
            endif()
        endforeach()
        if(text MATCHES "@[A-Z_]+@")
            message(FATAL_ERROR "${page}: a placeholder was left unfilled: ${CMAKE_MATCH_0}")
        endif()
    endforeach()
    # The man page lists every subcommand wheelgen knows, and no other.
    if(WHEELGEN)
        execute_process(COMMAND ${WHEELGEN} OUTPUT_VARIABLE usage ERROR_VARIABLE usage)
        string(REGEX MATCHALL "\n  wheelgen [a-z-]+" in_usage "${usage}")
        list(TRANSFORM in_usage REPLACE "\n  wheelgen " "")
        list(FILTER in_usage EXCLUDE REGEX "^-") # --help and --version are options, not subcommands
        set(wheelgen_pages ${pages})
        list(FILTER wheelgen_pages INCLUDE REGEX "wheelgen\\.1$")
        file(READ ${wheelgen_pages} text)
        string(REGEX MATCHALL "\n\\.SY \"wheelgen [a-z-]+\"" in_man "${text}")
        list(TRANSFORM in_man REPLACE "\n\\.SY \"wheelgen ([a-z-]+)\"" "\\1")
        list(SORT in_usage)
        list(SORT in_man)
        if(NOT in_usage STREQUAL in_man OR in_usage STREQUAL "")
            message(FATAL_ERROR "wheelgen's usage lists \"${in_usage}\" but wheelgen.1 \"${in_man}\"")
        endif()
    endif()
    skip_without(groff groff-base)
    if(skipped)
        return()
    endif()
    foreach(page IN LISTS pages)
        # groff exits 0 on warnings, so anything it says is a fault.
        execute_process(COMMAND ${found_groff} -man -ww -z ${page} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                        ERROR_VARIABLE out)
        if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
            message(FATAL_ERROR "groff -man -ww -z ${page} (exit ${rc}):\n${out}")
        endif()
    endforeach()

elseif(CHECK STREQUAL "help")
    # --help and --version answer without a display, and name what the man pages document.
    foreach(run "${WHEELWRIGHT};--version;${VERSION}" "${WHEELWRIGHT};--help;odds,tickets,check,make,--database,--version"
                "${WHEELGEN};--help;build-db,verify,search,catalogue,construct,improve,assemble,report")
        list(GET run 0 program)
        list(GET run 1 option)
        list(GET run 2 needed)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                                --unset=QT_QPA_PLATFORM ${program} ${option}
                        TIMEOUT 20 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "${program} ${option} exited with ${rc}:\n${out}${err}")
        endif()
        string(REPLACE "," ";" needed "${needed}")
        foreach(word IN LISTS needed)
            string(FIND "${out}" "${word}" at)
            if(at EQUAL -1)
                message(FATAL_ERROR "${program} ${option} does not mention ${word}:\n${out}")
            endif()
        endforeach()
    endforeach()

elseif(CHECK STREQUAL "install")
    file(REMOVE_RECURSE ${PREFIX})
    execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX} RESULT_VARIABLE rc
                    OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "cmake --install failed (exit ${rc}):\n${out}")
    endif()
    set(desktop share/applications/${APP_ID}.desktop)
    set(metainfo share/metainfo/${APP_ID}.metainfo.xml)
    expect_files(${PREFIX} bin/wheelwright bin/wheelgen share/wheelwright/data.sqlite3
                 share/wheelwright/welcome.html ${desktop} ${metainfo} share/doc/wheelwright/copyright
                 share/doc/wheelwright/changelog${MAN_SUFFIX}
                 share/icons/hicolor/scalable/apps/${APP_ID}.svg share/man/man1/wheelwright.1${MAN_SUFFIX}
                 share/man/man1/wheelgen.1${MAN_SUFFIX})
    # The print module, where the program looks for it from its own folder.
    expect_files(${PREFIX} ${PRINT_MODULE})
    string(REPLACE "," ";" sizes "${ICON_SIZES}")
    foreach(size IN LISTS sizes)
        set(png share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
        expect_files(${PREFIX} ${png})
        expect_png_size(${PREFIX}/${png} ${size})
    endforeach()

    # The menu entry starts an installed program with an installed icon, and the metainfo
    # names that menu entry: otherwise the desktop shows no icon or cannot launch it.
    desktop_value(${PREFIX}/${desktop} Exec exec)
    string(REGEX REPLACE " .*" "" exec "${exec}")
    expect_files(${PREFIX} bin/${exec})
    desktop_value(${PREFIX}/${desktop} Icon icon)
    expect_files(${PREFIX} share/icons/hicolor/scalable/apps/${icon}.svg)
    file(READ ${PREFIX}/${metainfo} meta)
    foreach(needed "<id>${APP_ID}</id>" "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
                   "<binary>${exec}</binary>")
        string(FIND "${meta}" "${needed}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "${metainfo} lacks ${needed}")
        endif()
    endforeach()

elseif(CHECK STREQUAL "deb")
    skip_without(dpkg-deb dpkg)
    if(skipped)
        return()
    endif()
    file(REMOVE_RECURSE ${WORK})
    execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "cpack -G DEB failed (exit ${rc}):\n${out}")
    endif()
    file(GLOB debs ${WORK}/wheelwright_*.deb)
    list(LENGTH debs n)
    if(NOT n EQUAL 1)
        message(FATAL_ERROR "expected one wheelwright_*.deb in ${WORK}, found ${n}:\n${out}")
    endif()

    execute_process(COMMAND ${found_dpkg-deb} --field ${debs} Package Depends Maintainer Section Homepage
                    OUTPUT_VARIABLE fields COMMAND_ERROR_IS_FATAL ANY)
    message("${fields}")
    foreach(needed "Package: wheelwright" "libqt6widgets6" "libqt6gui6" "libqt6core6" "libqt6printsupport6"
                   "libsqlite3-0" "qt6-qpa-plugins" "fonts-dejavu-core" "Maintainer: " "Section: " "Homepage: https://")
        string(FIND "${fields}" "${needed}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "the package's control fields lack ${needed}")
        endif()
    endforeach()

    execute_process(COMMAND ${found_dpkg-deb} --contents ${debs} OUTPUT_VARIABLE listing
                    COMMAND_ERROR_IS_FATAL ANY)
    foreach(needed ./usr/bin/wheelwright ./usr/bin/wheelgen ./usr/share/wheelwright/data.sqlite3
                   ./usr/share/wheelwright/welcome.html ./usr/share/applications/${APP_ID}.desktop
                   ./usr/share/metainfo/${APP_ID}.metainfo.xml ./usr/share/man/man1/wheelwright.1
                   ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg ./usr/share/doc/wheelwright/copyright
                   ./usr/share/doc/wheelwright/changelog.gz)
        string(FIND "${listing}" " ${needed}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "the package lacks ${needed}:\n${listing}")
        endif()
    endforeach()
    # The print module, where the installed program looks for it.
    get_filename_component(module /usr/${PRINT_MODULE} ABSOLUTE)
    string(FIND "${listing}" " .${module}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the package lacks the print module .${module}:\n${listing}")
    endif()
    # Only the two programs go to /usr/bin, and nothing lands outside /usr.
    string(REGEX MATCHALL " \\./usr/bin/[^\n]+" programs "${listing}")
    list(SORT programs)
    if(NOT programs STREQUAL " ./usr/bin/wheelgen; ./usr/bin/wheelwright")
        message(FATAL_ERROR "the package's programs are ${programs}")
    endif()
    string(REGEX MATCH " \\./[^u\n][^\n]*| \\./u[^s][^\n]*| \\./usr/local/[^\n]*" stray "${listing}")
    if(stray)
        message(FATAL_ERROR "the package puts a file outside /usr:${stray}")
    endif()

    # The newest changelog entry is the version being packed.
    execute_process(COMMAND ${found_dpkg-deb} --field ${debs} Version Description OUTPUT_VARIABLE fields
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "Version: ([^\n]+)" version "${fields}")
    set(version ${CMAKE_MATCH_1})
    set(root ${WORK}/root)
    execute_process(COMMAND ${found_dpkg-deb} --extract ${debs} ${root} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND gzip -dc ${root}/usr/share/doc/wheelwright/changelog.gz OUTPUT_VARIABLE changelog
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "^[^\n]*" newest "${changelog}")
    string(FIND "${newest}" "wheelwright (${version}) " at)
    if(NOT at EQUAL 0)
        message(FATAL_ERROR "the package is version ${version}, but its changelog begins with: ${newest}")
    endif()

    # Debian shows the description as it stands, so no line may pass 79 characters; the figures it
    # gives are those of the database the package carries.
    string(REPLACE "\n" ";" description_lines "${fields}")
    foreach(line IN LISTS description_lines)
        string(LENGTH "${line}" length)
        if(length GREATER 79)
            message(FATAL_ERROR "a control field line of ${length} characters:\n${line}")
        endif()
    endforeach()
    string(REPLACE "\n " " " description "${fields}")
    if(description MATCHES " ships ([0-9,]+) type-a and key wheels, for up to ([0-9]+) numbers")
        string(REPLACE "," "" said "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
        find_program(sqlite3 sqlite3)
        if(NOT sqlite3)
            message(FATAL_ERROR "the description counts wheels, but sqlite3 is not here to count them")
        endif()
        execute_process(COMMAND ${sqlite3} -readonly -batch -noheader -separator " "
                                ${root}/usr/share/wheelwright/data.sqlite3
                                "SELECT count(*), max(zoption) FROM wheelsurvey"
                        OUTPUT_VARIABLE counted OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        if(NOT said STREQUAL counted)
            message(FATAL_ERROR "the description says \"${said}\" (wheels, most numbers); the database holds ${counted}")
        endif()
    elseif(description MATCHES "[0-9],[0-9][0-9][0-9]|up to [0-9]+ numbers")
        message(FATAL_ERROR "the description gives figures the build did not count:\n${fields}")
    endif()

    # The package is lint-free as Debian's own checker sees it: no error and no warning.
    find_program(lintian lintian)
    if(lintian)
        execute_process(COMMAND ${lintian} --fail-on error,warning ${debs} RESULT_VARIABLE rc
                        OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "lintian --fail-on error,warning ${debs} (exit ${rc}):\n${out}${err}")
        endif()
        message("lintian finds no error and no warning\n${out}")
    else()
        message("lintian (Debian: lintian) is not installed: the package was not linted")
    endif()

else()
    message(FATAL_ERROR "unknown CHECK \"${CHECK}\"")
endif()
