# Fails when a test run leaves a new file in the source tree or in the
# temporary folder the tests share. MODE=before records, MODE=after compares.
# Inputs: SRC, TMP, STATE (where the record is kept), BIN (the build folder).
function(list_files root out)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
  set(kept)
  foreach(f IN LISTS files)
    # The build folders live beside the sources and change on every build.
    if(f MATCHES "^(\\.git/|build/|build-)" OR "${root}/${f}" MATCHES "^${BIN}/")
      continue()
    endif()
    list(APPEND kept "${f}")
  endforeach()
  set(${out} "${kept}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "before")
  file(REMOVE_RECURSE "${TMP}")
  file(MAKE_DIRECTORY "${TMP}")
  list_files("${SRC}" src)
  file(WRITE "${STATE}" "${src}")
  return()
endif()

file(READ "${STATE}" before)
list_files("${SRC}" after)
list(REMOVE_ITEM after ${before})
list_files("${TMP}" left)
# The game's own audio settings file, reused by every start, not a test's leftover.
list(FILTER left EXCLUDE REGEX "^tunzle-alsoft-[0-9]+\\.conf$")
if(after OR left)
  message(FATAL_ERROR "The tests left files behind.\n  In the sources: ${after}\n  In ${TMP}: ${left}")
endif()
file(REMOVE_RECURSE "${TMP}")
