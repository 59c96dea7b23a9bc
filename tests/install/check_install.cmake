cmake_minimum_required(VERSION 3.21)
# Installs the build into a DESTDIR and checks what lands there, file by file;
# validates the desktop entry, the metainfo and the MIME type with the
# desktop's own tools; and asks the installed game its version with no display.
#   cmake -DBUILD=<build dir> -DWORK=<scratch dir> -DVERSION=<x.y.z> -DNEWS=<NEWS.md>
#         -P check_install.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    string(REPLACE ";" " " cmd "${ARGN}")
    message(FATAL_ERROR "${cmd} failed (${rc}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
set(root ${WORK}/root)
set(ENV{DESTDIR} ${root})
run(${CMAKE_COMMAND} --install ${BUILD} --prefix /usr)

set(id org.zerdo.Zerdo)
set(mime_icon application-x-zerdo-puzzle)
set(expected
  usr/games/zerdo
  usr/libexec/zerdo/libzerdo-print.so
  usr/share/applications/${id}.desktop
  usr/share/doc/zerdo/changelog.gz
  usr/share/doc/zerdo/copyright
  usr/share/icons/hicolor/scalable/apps/${id}.svg
  usr/share/icons/hicolor/scalable/mimetypes/${mime_icon}.svg
  usr/share/icons/hicolor/symbolic/apps/${id}-symbolic.svg
  usr/share/lintian/overrides/zerdo
  usr/share/man/man6/zerdo.6.gz
  usr/share/metainfo/${id}.metainfo.xml
  usr/share/mime/packages/${id}.xml)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/${id}.png
       usr/share/icons/hicolor/${size}x${size}/mimetypes/${mime_icon}.png)
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed RELATIVE ${root} LIST_DIRECTORIES false ${root}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " a "${installed}")
  string(REPLACE ";" "\n  " b "${expected}")
  message(FATAL_ERROR "installed:\n  ${a}\nexpected:\n  ${b}")
endif()

# Each PNG is the size its folder names (the PNG header holds width and height).
foreach(size 16 22 24 32 48 64 128 256)
  file(READ ${root}/usr/share/icons/hicolor/${size}x${size}/apps/${id}.png head
       OFFSET 16 LIMIT 8 HEX)
  string(SUBSTRING "${head}" 0 8 width_hex)
  math(EXPR width "0x${width_hex}")
  if(NOT width EQUAL size)
    message(FATAL_ERROR "the ${size} px icon is ${width} px wide")
  endif()
  # The program icon leaves a sixteenth of its size free on every side, as
  # the desktop's other application icons do: no pixel there is opaque.
  math(EXPR m "(${size} + 8) / 16")
  math(EXPR far "${size} - 1 - ${m}")
  run(convert ${root}/usr/share/icons/hicolor/${size}x${size}/apps/${id}.png -alpha extract
      -fill black -draw "rectangle ${m},${m} ${far},${far}" -format "%[max]" info:)
  if(NOT out STREQUAL "0")
    message(FATAL_ERROR "the ${size} px icon reaches into its margin of ${m} px")
  endif()
endforeach()
# The symbolic icon is drawn in one colour, which the desktop replaces.
file(READ ${root}/usr/share/icons/hicolor/symbolic/apps/${id}-symbolic.svg symbolic)
string(REGEX MATCHALL "fill=\"#[0-9a-fA-F]+\"" fills "${symbolic}")
list(REMOVE_DUPLICATES fills)
list(LENGTH fills colours)
if(NOT colours EQUAL 1)
  message(FATAL_ERROR "the symbolic icon has the colours ${fills}")
endif()

set(share ${root}/usr/share)
run(desktop-file-validate ${share}/applications/${id}.desktop)
run(appstreamcli validate --no-net --pedantic ${share}/metainfo/${id}.metainfo.xml)
file(READ ${share}/metainfo/${id}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${VERSION}\"")
  message(FATAL_ERROR "the metainfo has no release ${VERSION}")
endif()
# Every item of the release notes is one item of the metainfo and one of the
# changelog, whatever its text holds (a semicolon once split one in two).
file(STRINGS ${NEWS} news_items REGEX "^- ")
list(LENGTH news_items items)
string(REGEX MATCHALL "<li>" li "${metainfo}")
list(LENGTH li metainfo_items)
if(NOT metainfo_items EQUAL items)
  message(FATAL_ERROR "NEWS.md has ${items} items, the metainfo ${metainfo_items}")
endif()
run(xmllint --noout ${share}/mime/packages/${id}.xml)
# The MIME database built from the package knows the glob and the magic.
run(update-mime-database ${share}/mime)
file(READ ${share}/mime/globs2 globs)
file(STRINGS ${share}/mime/magic magic)  # binary: its printable runs
if(NOT globs MATCHES "application/x-zerdo-puzzle:\\*\\.zdo" OR
   NOT magic MATCHES "application/x-zerdo-puzzle")
  message(FATAL_ERROR "the MIME database lacks the glob or the magic:\n${globs}")
endif()
run(xmllint --noout ${share}/icons/hicolor/scalable/apps/${id}.svg
    ${share}/icons/hicolor/scalable/mimetypes/${mime_icon}.svg
    ${share}/icons/hicolor/symbolic/apps/${id}-symbolic.svg)
# The man page reads without a single warning of the formatter.
function(gunzip gz plain)
  execute_process(COMMAND gzip -dc ${gz} OUTPUT_FILE ${plain} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${gz} is no gzip file")
  endif()
endfunction()
gunzip(${share}/man/man6/zerdo.6.gz ${WORK}/zerdo.6)
run(groff -man -Tutf8 -ww -z ${WORK}/zerdo.6)
if(NOT err STREQUAL "")
  message(FATAL_ERROR "the man page:\n${err}")
endif()
# The changelog is one Debian's tools read, and it begins with this version.
gunzip(${share}/doc/zerdo/changelog.gz ${WORK}/changelog)
run(dpkg-parsechangelog -l ${WORK}/changelog -S Version)
if(NOT out STREQUAL "${VERSION}\n" OR NOT err STREQUAL "")
  message(FATAL_ERROR "the changelog's newest version is \"${out}\" ${err}")
endif()
file(STRINGS ${WORK}/changelog changelog_items REGEX "^  \\* ")
list(LENGTH changelog_items n)
if(NOT n EQUAL items)
  message(FATAL_ERROR "NEWS.md has ${items} items, the changelog ${n}")
endif()

# The installed game answers --version from any folder, with no display.
run(${CMAKE_COMMAND} -E chdir ${WORK}
    ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
    ASAN_OPTIONS=detect_leaks=0
    ${root}/usr/games/zerdo --version)
if(NOT out MATCHES "^Zerdo ${VERSION}\nCopyright ")
  message(FATAL_ERROR "zerdo --version printed \"${out}\"")
endif()
message(STATUS "install into DESTDIR checked: ${installed}")
