# One set of warnings for every target of the project.
add_library(ombrelo_warnings INTERFACE)
target_compile_options(ombrelo_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
if(OMBRELO_WERROR)
  target_compile_options(ombrelo_warnings INTERFACE -Werror)
endif()
