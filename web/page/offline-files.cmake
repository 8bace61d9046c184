# Writes offline-files.js for the service worker: the page's files, which it
# keeps for offline use, and a version made from their contents, so that a
# new build replaces what the browser kept.
set(files index.html page.css page.js page-windows.js page-dialog.js page-files.js page-steps.js charts.js worker.js
  corvane-page.js corvane-page.wasm corvane.svg)
set(digests "")
set(names "")
foreach(file ${files})
  file(SHA256 ${FOLDER}/${file} digest)
  string(APPEND digests ${digest})
  string(APPEND names "'${file}', ")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 version)
file(WRITE ${OUTPUT}.new "self.offlineFiles = ['./', ${names}];\nself.offlineVersion = '${version}';\n")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
