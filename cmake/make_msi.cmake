# Builds ORV Builder's Windows Installer package with wixl, from resources/ORVBuilder.wxs and every file of
# a folder laid out as the zip is (CPack's staged files). Run by CPack after the zip (cpack_msi.cmake), and
# by the tests for a package of another version:
#   cmake -DSTAGE=<folder> -DVERSION=<a.b.c.d> -DOUTPUT=<file.msi> -P make_msi.cmake

# Never changes: by it Windows Installer knows each later ORV Builder for the same product.
set(upgrade_code FD8DB9DD-1CD6-4073-9F67-A09F97BE0257)
# One product code a version, so that a package rebuilt from the same version is the same product, never
# a second one beside it.
string(UUID product_code NAMESPACE ${upgrade_code} NAME "ORV Builder ${VERSION}" TYPE SHA1 UPPER)
get_filename_component(resources ${CMAKE_CURRENT_LIST_DIR}/../resources ABSOLUTE)
get_filename_component(STAGE ${STAGE} ABSOLUTE)
find_program(wixl wixl REQUIRED)

# A text as an XML attribute's value, in which wixl's preprocessor reads $(...) as a variable: $$ is a $.
function(attribute out text)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE "\"" "&quot;" text "${text}")
  string(REPLACE "$" "$$" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
# The Directory id of a folder under the stage; the stage itself (. or "") is the installation folder.
function(folder_id out folder)
  string(MD5 hash "${folder}")
  string(SUBSTRING ${hash} 0 24 hash)
  if(folder STREQUAL . OR folder STREQUAL "")
    set(${out} INSTALLDIR PARENT_SCOPE)
  else()
    set(${out} d${hash} PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
if(NOT files)
  message(FATAL_ERROR "no files to pack in ${STAGE}")
endif()
# Each folder, the parents of others too, is a component of its own: kept by an HKCU value, as Windows
# Installer asks of what lies in a user's profile, and removing its folder when the package goes.
set(folders .)
foreach(file IN LISTS files)
  get_filename_component(folder ${file} DIRECTORY)
  while(NOT folder STREQUAL "")
    list(APPEND folders ${folder})
    get_filename_component(folder ${folder} DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders)

set(wxs "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">\n<Fragment>\n")
set(refs "")
foreach(folder IN LISTS folders)
  folder_id(id ${folder})
  if(NOT folder STREQUAL .)
    get_filename_component(parent ${folder} DIRECTORY)
    folder_id(parent_id "${parent}")
    get_filename_component(name ${folder} NAME)
    attribute(name "${name}")
    string(APPEND wxs "<DirectoryRef Id=\"${parent_id}\"><Directory Id=\"${id}\" Name=\"${name}\"/></DirectoryRef>\n")
  endif()
  string(UUID guid NAMESPACE ${upgrade_code} NAME "folder ${folder}" TYPE SHA1 UPPER)
  string(REPLACE "/" "\\" value "${folder}")
  attribute(value "${value}")
  string(APPEND wxs "<DirectoryRef Id=\"${id}\"><Component Id=\"c${id}\" Guid=\"${guid}\" Win64=\"yes\">\n"
         "  <RegistryValue Root=\"HKCU\" Key=\"Software\\ORV Builder\\Files\" Name=\"${value}\" Type=\"integer\""
         " Value=\"1\" KeyPath=\"yes\"/>\n  <RemoveFolder Id=\"r${id}\" On=\"uninstall\"/>\n")
  foreach(file IN LISTS files)
    get_filename_component(file_folder ${file} DIRECTORY)
    if(file_folder STREQUAL folder OR (file_folder STREQUAL "" AND folder STREQUAL .))
      get_filename_component(name ${file} NAME)
      string(MD5 hash "${file}")
      string(SUBSTRING ${hash} 0 24 hash)
      attribute(name "${name}")
      attribute(source "${file}")
      string(APPEND wxs "  <File Id=\"f${hash}\" Name=\"${name}\" Source=\"${source}\"/>\n")
    endif()
  endforeach()
  string(APPEND wxs "</Component></DirectoryRef>\n")
  string(APPEND refs "<ComponentRef Id=\"c${id}\"/>")
endforeach()
string(APPEND wxs "<ComponentGroup Id=\"ProgramFiles\">${refs}</ComponentGroup>\n</Fragment>\n</Wix>\n")

get_filename_component(OUTPUT ${OUTPUT} ABSOLUTE)
file(WRITE ${OUTPUT}.files.wxs "${wxs}")
# wixl finds a file to pack only by a path relative to the folder it runs in: the stage.
file(RELATIVE_PATH resources_from_stage ${STAGE} ${resources})
execute_process(COMMAND ${wixl} -a x64 -D Version=${VERSION} -D ProductCode=${product_code}
                -D UpgradeCode=${upgrade_code} -D Resources=${resources_from_stage} -o ${OUTPUT}
                ${resources}/ORVBuilder.wxs ${OUTPUT}.files.wxs
                WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(REMOVE ${OUTPUT}.files.wxs)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "wixl could not build ${OUTPUT} (${status}):\n${log}")
endif()
