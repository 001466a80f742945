# Copies the site's static files into the build folder, then writes the service worker with
# the list of every file the page loads and a version made of the contents of all of them, so
# that a new build replaces what a browser keeps of the old one.
file(GLOB files ${SOURCE}/*)
list(FILTER files EXCLUDE REGEX "/sw\\.js$")
file(COPY ${files} DESTINATION ${TARGET})

file(GLOB built RELATIVE ${TARGET} ${TARGET}/*)
# The files the page loads: not the benchmark, the worker itself or the font's licence
# (which is kept once it has been opened).
list(FILTER built EXCLUDE REGEX "^(bench\\.|sw\\.js$|font-licence\\.txt$)")
list(SORT built)
set(digests "")
foreach(name IN LISTS built)
  file(SHA256 ${TARGET}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 TESSALY_SITE_VERSION)
list(JOIN built " " TESSALY_SITE_FILES)
configure_file(${SOURCE}/sw.js ${TARGET}/sw.js @ONLY)
