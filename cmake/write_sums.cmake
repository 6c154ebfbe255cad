# Writes SHA256SUMS for the given files, in the format `sha256sum -c` reads.
# Usage: cmake -DFILES="a;b" -DOUTPUT=SHA256SUMS -P write_sums.cmake
set(sums "")
foreach(file IN LISTS FILES)
  file(SHA256 ${file} hash)
  get_filename_component(name ${file} NAME)
  string(APPEND sums "${hash}  ${name}\n")
endforeach()
file(WRITE ${OUTPUT} "${sums}")
