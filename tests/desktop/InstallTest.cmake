# Installs the build into a scratch DESTDIR and checks what lands there, as a
# packager or a desktop would see it (cmake -P):
#
#   BUILD=...     the build tree to install
#   WORK=...      a scratch folder, emptied first
#   PROGRAMS=...  the programs the build has install rules for
#
# Every installed file is expected and every expected file is installed; the
# terminal program runs from its installed place; the desktop entry passes
# desktop-file-validate; the icons are a 48-pixel RGBA PNG and an SVG of the
# same size; both manual pages render without a warning, and the terminal
# program's page has a subsection for every command, every option and every
# exit status that its --help names.
cmake_minimum_required(VERSION 3.25)

foreach(variable BUILD WORK PROGRAMS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

set(problems)
macro(problem text)
  list(APPEND problems "${text}")
endmacro()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(root "${WORK}/root")
set(usr "${root}/usr")

execute_process(COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${root}" ${CMAKE_COMMAND} --install "${BUILD}" --prefix /usr
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}${errors}")
endif()

# Exactly the expected files, wherever GNUInstallDirs puts them for /usr.
set(expected
    usr/share/applications/modstower.desktop
    usr/share/icons/hicolor/48x48/apps/modstower.png
    usr/share/icons/hicolor/scalable/apps/modstower.svg
    usr/share/man/man1/modstower-cli.1
    usr/share/man/man1/modstower.1)
foreach(program IN LISTS PROGRAMS)
  list(APPEND expected usr/bin/${program})
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed files differ from the expected ones:\ninstalled: ${installed}\nexpected: ${expected}")
endif()

# The programs are executable; the terminal one runs from its installed place.
foreach(program IN LISTS PROGRAMS)
  execute_process(COMMAND test -x "${usr}/bin/${program}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    problem("bin/${program} is not executable")
  endif()
endforeach()
if(NOT "modstower-cli" IN_LIST PROGRAMS)
  problem("modstower-cli has no install rule")
endif()
set(cli "${usr}/bin/modstower-cli")
execute_process(COMMAND "${cli}" --version RESULT_VARIABLE status OUTPUT_VARIABLE version)
if(NOT status EQUAL 0 OR NOT version MATCHES "^modstower-cli [0-9]+\\.[0-9]+")
  problem("the installed modstower-cli --version said '${version}' (${status})")
endif()

# The desktop entry: valid, and it hands dropped folders to the program.
set(entry "${usr}/share/applications/modstower.desktop")
execute_process(COMMAND desktop-file-validate "${entry}" RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0 OR NOT said STREQUAL "")
  problem("desktop-file-validate (${status}): ${said}")
endif()
function(expect_entry_line line)
  string(FIND "${entryText}" "\n${line}\n" at)
  if(at EQUAL -1)
    set(problems ${problems} "the desktop entry lacks the line '${line}'" PARENT_SCOPE)
  endif()
endfunction()
file(READ "${entry}" entryText)
expect_entry_line("Type=Application")
expect_entry_line("Exec=modstower %F")
expect_entry_line("Icon=modstower")
expect_entry_line("MimeType=inode/directory;")

# The icons: an RGBA PNG of 48 x 48 pixels (signature, IHDR width, height,
# bit depth 8, colour type 6), and an SVG of 48 units.
file(READ "${usr}/share/icons/hicolor/48x48/apps/modstower.png" header LIMIT 26 HEX)
if(NOT header MATCHES "^89504e470d0a1a0a0000000d4948445200000030000000300806$")
  problem("the 48-pixel icon is not a 48 x 48 RGBA PNG: ${header}")
endif()
file(READ "${usr}/share/icons/hicolor/scalable/apps/modstower.svg" svg)
if(NOT svg MATCHES "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" viewBox=\"0 0 48 48\">"
   OR NOT svg MATCHES "</svg>\n$")
  problem("the scalable icon is not a 48-unit SVG document")
endif()

# Manual pages: rendered as man(1) shows them, with groff's warnings on.
function(render page out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env MANWIDTH=80 man --warnings -l "${usr}/share/man/man1/${page}.1"
                  RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    set(problems ${problems} "man ${page} (${status}): ${warnings}" PARENT_SCOPE)
  endif()
  string(TOUPPER "${page}" title)
  if(NOT text MATCHES "^${title}\\(1\\)" OR NOT text MATCHES "\nNAME\n +${page} +- ")
    set(problems ${problems} "man ${page} has no proper header and NAME line" PARENT_SCOPE)
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
render(modstower desktopPage)
render(modstower-cli cliPage)

# What --help names, the manual page explains: each command in a subsection
# heading of its own, each option somewhere, each exit status as a tag.
execute_process(COMMAND "${cli}" --help OUTPUT_VARIABLE help)
string(REGEX MATCH "\nCommands:\n.*\n\n" commandsPart "${help}")
string(REGEX MATCHALL "\n  [a-z]+ " commands "${commandsPart}")
if(commands STREQUAL "")
  problem("found no commands in modstower-cli --help")
endif()
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  if(NOT cliPage MATCHES "\n   ${command}( |\n)")
    problem("the modstower-cli page has no subsection for the command '${command}'")
  endif()
endforeach()
# Brackets would upset CMake's lists; options stand after a blank once they are gone.
string(REGEX REPLACE "[][]" " " helpWords "${help}")
string(REGEX MATCHALL " --?[a-z][a-z-]*" options "${helpWords}")
list(REMOVE_DUPLICATES options)
foreach(option IN LISTS options)
  string(STRIP "${option}" option)
  if(NOT cliPage MATCHES " ${option}[ ,\n]")
    problem("the modstower-cli page does not explain the option '${option}'")
  endif()
endforeach()
string(REGEX MATCH "Exit status:[^\n]*(\n[^\n]+)*" statusPart "${help}")
string(REGEX MATCHALL "[0-9]+ [a-z]" statuses "${statusPart}")
string(REGEX MATCH "\nEXIT STATUS\n.*" cliStatusPart "${cliPage}")
foreach(status IN LISTS statuses)
  string(REGEX REPLACE " .*" "" status "${status}")
  if(NOT cliStatusPart MATCHES "\n       ${status} ")
    problem("the modstower-cli page does not explain the exit status ${status}")
  endif()
endforeach()
if(NOT desktopPage MATCHES "\nEXIT STATUS\n       0 ")
  problem("the modstower page does not explain its exit status")
endif()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "the installation has problems:\n  ${text}")
endif()
list(LENGTH installed count)
message(STATUS "all ${count} installed files check out")
