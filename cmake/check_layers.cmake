cmake_minimum_required(VERSION 3.25)

# Fails when a source file includes a project header its folder may not use: each folder
# uses only the folders before it (see the README's map), so the architecture stays what the
# map says. Run as `cmake -DSOURCE_DIR=... -P check_layers.cmake`.

# A folder, then the folders whose headers it may include besides its own.
set(layers
  "numbers"
  "conversion numbers"
  "calculator numbers"
  "window/desktop numbers"
  "window/widgets numbers window/desktop"
  "window/form numbers conversion calculator window/desktop window/widgets"
  "window/handlers numbers conversion calculator window/desktop window/widgets window/form"
  "window numbers conversion calculator window/desktop window/widgets window/form window/handlers"
)

set(failures "")
foreach(layer IN LISTS layers)
  string(REPLACE " " ";" parts "${layer}")
  list(POP_FRONT parts folder)
  set(allowed ${parts} ${folder})
  file(GLOB sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" header "${line}")
      get_filename_component(from "${header}" DIRECTORY)
      # A header of no folder is one CMake generates (the app's identity): the app's alone.
      if(from STREQUAL "" OR NOT from IN_LIST allowed)
        file(RELATIVE_PATH where "${SOURCE_DIR}" "${source}")
        string(APPEND failures "  ${where} includes ${header}\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Headers included across the layering:\n${failures}")
endif()
