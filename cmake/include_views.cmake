# Every library sees only the folders it may include from: its own and,
# through the libraries it links, those of the layers below it. Its view
# is a folder in the build tree that holds symbolic links, named like
# their source folders ("controller", "tools/unitsim"), to those folders,
# or to a single file where a library may see only that one of a folder
# (a program's own "resources/ids/ksv2_ids.h"); a library's view is
# public, so that whoever links it sees its headers too.
# An include from a layer above finds no file and fails the build; the
# layer test (tests/layers) says the same of the sources.
set(AQUENDOR_INCLUDE_VIEWS ${PROJECT_BINARY_DIR}/include_views)

function(aquendor_include_view target folder)
  set(view ${AQUENDOR_INCLUDE_VIEWS}/${target})
  get_filename_component(parent ${view}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(REMOVE ${view}/${folder})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${view}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${view})
endfunction()
