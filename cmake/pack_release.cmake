# Packs the release zip: Yelpit.exe, its manifest and their sums, the README,
# the LICENSE, the guides and the examples; beside it, the winget and Scoop
# manifests that install it. When YELPIT_SIGN_PFX is set (read
# here, at pack time, so no password lands in the CMake cache), the zip's
# Yelpit.exe is signed and the sums list the signed file. Every entry carries
# the time SOURCE_DATE_EPOCH gives, or else the time of the last commit.
# Usage: cmake -DSOURCE_DIR=... -DPROGRAM=... -DMANIFEST=... -DZIP=... -DPYTHON=...
#   -DPACKAGE="VERSION;ARCHITECTURE;REPOSITORY;IDENTIFIER;PUBLISHER;COPYRIGHT;WEB;DESCRIPTION" -P pack_release.cmake
set(stage "${ZIP}.contents")
file(REMOVE_RECURSE "${stage}")
file(COPY "${PROGRAM}" "${MANIFEST}" "${SOURCE_DIR}/README.md" "${SOURCE_DIR}/LICENSE" DESTINATION "${stage}")
file(COPY "${SOURCE_DIR}/docs" "${SOURCE_DIR}/examples" DESTINATION "${stage}"
     FILES_MATCHING PATTERN "*.md" PATTERN "*.png" PATTERN "*.bat")

if(DEFINED ENV{YELPIT_SIGN_PFX})
  execute_process(COMMAND sh "${SOURCE_DIR}/scripts/sign.sh" "${stage}/Yelpit.exe" "${stage}/Yelpit.exe"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Yelpit.exe could not be signed")
  endif()
endif()
set(FILES "${stage}/Yelpit.exe;${stage}/Yelpit.exe.manifest")
set(OUTPUT "${stage}/SHA256SUMS")
include(${CMAKE_CURRENT_LIST_DIR}/write_sums.cmake)

set(seconds "$ENV{SOURCE_DATE_EPOCH}")
if(seconds STREQUAL "")
  execute_process(COMMAND git -C "${SOURCE_DIR}" log -1 --format=%ct
                  OUTPUT_VARIABLE seconds OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT seconds MATCHES "^[0-9]+$")
  message(FATAL_ERROR "No time for the zip's entries: set SOURCE_DATE_EPOCH, or pack from a git checkout")
endif()
execute_process(COMMAND "${PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/pack_zip.py" "${stage}" "${ZIP}" "${seconds}"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${ZIP} could not be written")
endif()
execute_process(COMMAND "${PYTHON}" "${CMAKE_CURRENT_LIST_DIR}/write_package_manifests.py" "${ZIP}" ${PACKAGE}
                        "${SOURCE_DIR}/LICENSE" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "The winget and Scoop manifests could not be written")
endif()
message(STATUS "Packed ${ZIP}, its SHA-256 in ${ZIP}.sha256, winget's manifests in winget/ and Scoop's in yelpit.json")
