# Runs when the release is packed: when YELPIT_SIGN_PFX is set, signs the
# Yelpit.exe about to go into the zip and writes its SHA256SUMS anew, so the
# sums list the signed file. YELPIT_SOURCE_DIR names the sources.
if(NOT DEFINED ENV{YELPIT_SIGN_PFX})
  return()
endif()
set(dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
execute_process(COMMAND sh "${YELPIT_SOURCE_DIR}/scripts/sign.sh" "${dir}/Yelpit.exe" "${dir}/Yelpit.exe"
                RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "Yelpit.exe could not be signed")
endif()
set(FILES "${dir}/Yelpit.exe;${dir}/Yelpit.exe.manifest")
set(OUTPUT "${dir}/SHA256SUMS")
include(${CMAKE_CURRENT_LIST_DIR}/write_sums.cmake)
