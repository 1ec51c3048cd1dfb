# Writes the site's service worker from its template: the files to keep,
# and a digest of their names and contents, and of the template, that
# names its cache: the same for the same files, another for any change.
# cmake -DSITE=dir -DTEMPLATE=sw.js -DOUT=dir/sw.js -P site_worker.cmake FILE...
# with each FILE relative to SITE.
set(files)
set(script -1)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(n RANGE ${last})
    if(script GREATER_EQUAL 0 AND n GREATER script)
        list(APPEND files "${CMAKE_ARGV${n}}")
    elseif(CMAKE_ARGV${n} STREQUAL "-P")
        math(EXPR script "${n} + 1")
    endif()
endforeach()
list(SORT files)

set(listed "\n  './'")
set(sums "")
foreach(file ${files})
    file(SHA256 ${SITE}/${file} sum)
    string(APPEND sums "${sum}  ${file}\n")
    string(APPEND listed ",\n  '${file}'")
endforeach()
# The worker's own code too: a new worker starts a cache of its own.
file(SHA256 ${TEMPLATE} sum)
string(APPEND sums "${sum}  sw.js\n")
string(SHA256 digest "${sums}")
string(SUBSTRING ${digest} 0 16 SITE_DIGEST)
set(SITE_FILES "${listed}\n")
configure_file(${TEMPLATE} ${OUT} @ONLY)
