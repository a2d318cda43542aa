# Checks the layering of the source tree: only platform/ includes SDL, X11 or the
# codec and font libraries, and each layer includes only the layers below it
# (platform <- util <- framework <- game). Run with -DSOURCE_DIR=<tree>.
set(third_party "#include[ \t]*[<\"](SDL|png|pngconf|jpeglib|jerror|zlib|ft2build|freetype|vorbis|ogg|X11/)")
set(above_util "#include[ \t]*\"(framework|game)/")
set(above_framework "#include[ \t]*\"game/")
set(above_game "#include[ \t]*\"app/")

set(failures "")
function(check_layer layer pattern)
  file(GLOB_RECURSE files "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
  foreach(file ${files})
    file(STRINGS "${file}" lines REGEX "^[ \t]*#include")
    foreach(line ${lines})
      if(line MATCHES "${third_party}" OR line MATCHES "${pattern}")
        string(APPEND failures "${file}: ${line}\n")
      endif()
    endforeach()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

check_layer(util "${above_util}")
check_layer(framework "${above_framework}")
check_layer(game "${above_game}")
check_layer(app "${above_game}")

if(failures)
  message(FATAL_ERROR "Includes that cross the layering:\n${failures}")
endif()
message(STATUS "Layering holds")
