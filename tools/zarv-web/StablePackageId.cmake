# Run after the page is linked: emscripten's file packager names the packed
# data (zarv.data) in zarv.js with a random UUID, so two builds of the same
# sources would differ. The UUID only tells a cached copy of the data from a
# new one, so it is made from the data's own SHA-256 instead: the same data,
# the same zarv.js.
#   cmake -DJS=zarv.js -DDATA=zarv.data -P StablePackageId.cmake
file(READ ${JS} script)
file(SHA256 ${DATA} hash)
string(SUBSTRING ${hash} 0 8 a)
string(SUBSTRING ${hash} 8 4 b)
string(SUBSTRING ${hash} 12 4 c)
string(SUBSTRING ${hash} 16 4 d)
string(SUBSTRING ${hash} 20 12 e)
set(pattern "\"package_uuid\":\"[0-9a-f-]+\"")
if(NOT script MATCHES "${pattern}")
  message(FATAL_ERROR "${JS} names no package_uuid: the file packager's output has changed")
endif()
string(REGEX REPLACE "${pattern}" "\"package_uuid\":\"${a}-${b}-${c}-${d}-${e}\"" script "${script}")
file(WRITE ${JS} "${script}")
