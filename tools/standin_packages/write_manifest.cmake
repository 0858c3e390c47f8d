# Turns the demo manifest's template into the two manifests of the package folder:
#   manifest.template.json  every {{SIZE:<file>}} replaced by the size in bytes of that file
#                           in the folder; addresses still begin with {{BASE_URL}}
#   manifest.json           the same with BASE_URL in place of {{BASE_URL}}
# Fails when a size or an address names a file that the folder lacks, so the build never
# ships a manifest that points at nothing (the setup would retry such a download forever).
#
#   cmake -DTEMPLATE=<manifest.json.in> -DPACKAGES=<folder> -DBASE_URL=<http://host:port>
#         -P write_manifest.cmake
foreach(variable TEMPLATE PACKAGES BASE_URL)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "write_manifest.cmake needs -D${variable}=...")
  endif()
endforeach()

file(READ ${TEMPLATE} text)

string(REGEX MATCHALL "{{SIZE:[^}\"]+}}" size_tokens "${text}")
list(REMOVE_DUPLICATES size_tokens)
foreach(token IN LISTS size_tokens)
  string(REGEX REPLACE "^{{SIZE:(.+)}}$" "\\1" name "${token}")
  if(NOT EXISTS ${PACKAGES}/${name})
    message(FATAL_ERROR "the manifest gives the size of ${name}, which ${PACKAGES} lacks")
  endif()
  file(SIZE ${PACKAGES}/${name} bytes)
  string(REPLACE "${token}" "${bytes}" text "${text}")
endforeach()

string(REGEX MATCHALL "{{BASE_URL}}/[^\"]+" addresses "${text}")
foreach(address IN LISTS addresses)
  string(REPLACE "{{BASE_URL}}/" "" name "${address}")
  if(NOT EXISTS ${PACKAGES}/${name})
    message(FATAL_ERROR "the manifest points at ${name}, which ${PACKAGES} lacks")
  endif()
endforeach()

string(JSON entries ERROR_VARIABLE json_error LENGTH "${text}" pdfinstall)
if(json_error)
  message(FATAL_ERROR "the demo manifest is not a JSON object with a pdfinstall list: ${json_error}")
endif()

file(WRITE ${PACKAGES}/manifest.template.json "${text}")
string(REPLACE "{{BASE_URL}}" "${BASE_URL}" filled "${text}")
file(WRITE ${PACKAGES}/manifest.json "${filled}")
