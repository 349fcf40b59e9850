# The bundled example mod, checked from two sides (cmake -P, one check per run):
#
#   -DCHECK=regenerate  GENERATOR=... EXAMPLE=... WORK=...
#       the generator run afresh makes exactly the committed files, byte for byte,
#       so the example is provably ours and current;
#   -DCHECK=pack  CLI=... EXAMPLE=... WORK=...
#       modstower-cli packs the committed example completely: every one of the
#       59 images, 46 samples and the demo song is added, nothing is refused or
#       skipped, and the listing of the mod misses no component.
cmake_minimum_required(VERSION 3.25)

foreach(variable CHECK EXAMPLE WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "${variable} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(list_folder folder out)
  file(GLOB names RELATIVE "${folder}" "${folder}/*" "${folder}/.*")
  list(SORT names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

if(CHECK STREQUAL "regenerate")
  set(fresh "${WORK}/demo-mod")
  execute_process(COMMAND "${GENERATOR}" "${fresh}" RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the generator failed (${status}): ${errors}")
  endif()
  list_folder("${EXAMPLE}" committed)
  list_folder("${fresh}" made)
  list(LENGTH made count)
  # 59 images, 46 samples, the demo song and four text files.
  if(NOT count EQUAL 110)
    message(FATAL_ERROR "the generator made ${count} files, not 110")
  endif()
  if(NOT committed STREQUAL made)
    message(FATAL_ERROR "the committed example holds other files than the generator makes:\n"
                        "committed: ${committed}\nmade: ${made}")
  endif()
  set(differing)
  foreach(name IN LISTS made)
    # Digests rather than a process per file: 110 comparisons in a blink.
    file(SHA256 "${EXAMPLE}/${name}" committedDigest)
    file(SHA256 "${fresh}/${name}" madeDigest)
    file(SIZE "${EXAMPLE}/${name}" committedSize)
    file(SIZE "${fresh}/${name}" madeSize)
    if(NOT committedDigest STREQUAL madeDigest OR NOT committedSize EQUAL madeSize)
      list(APPEND differing "${name}")
    endif()
  endforeach()
  if(differing)
    message(FATAL_ERROR "the committed example is stale; these files differ from the generator's: ${differing}")
  endif()
  message(STATUS "all ${count} files of the example match the generator's")

elseif(CHECK STREQUAL "pack")
  set(mod "${WORK}/demo.tdm")
  execute_process(COMMAND "${CLI}" pack "${EXAMPLE}" -o "${mod}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "pack ended with ${status}:\n${log}${errors}")
  endif()
  string(REGEX MATCHALL "(^|\n)Adding: [^\n]*" added "${log}")
  list(LENGTH added addedCount)
  # Refusals start with "** ", warnings with "* ", files passed over with "- ".
  string(REGEX MATCHALL "(^|\n)(\\*\\* |\\* |- )[^\n]*" complaints "${log}")
  if(NOT addedCount EQUAL 106 OR complaints)
    message(FATAL_ERROR "${addedCount} components added, not 106; complaints: ${complaints}\n${log}")
  endif()
  foreach(line "Total file count: 106" "Mod name: ModStower Demo Mod"
               "WWW: http://www.example.com/modstower/demo/" "FTP: ftp://ftp.example.org/pub/modstower/demo/"
               "Done... close window to exit application")
    string(FIND "${log}" "\n${line}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the log lacks the line '${line}':\n${log}")
    endif()
  endforeach()
  if(NOT errors STREQUAL "")
    message(FATAL_ERROR "pack wrote to stderr: ${errors}")
  endif()

  execute_process(COMMAND "${CLI}" list "${mod}" RESULT_VARIABLE status OUTPUT_VARIABLE listing ERROR_VARIABLE errors)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "list ended with ${status}: ${errors}")
  endif()
  foreach(line "Components: 106" "Missing: none")
    string(FIND "${listing}" "\n${line}\n" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the listing lacks the line '${line}':\n${listing}")
    endif()
  endforeach()
  message(STATUS "106 components packed, none missing")

else()
  message(FATAL_ERROR "unknown CHECK '${CHECK}'")
endif()
