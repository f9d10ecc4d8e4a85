# Shared build settings and the helper that turns source folders into layer libraries.

add_library(skyvane_warnings INTERFACE)
target_compile_options(skyvane_warnings INTERFACE -Wall -Wextra -Wno-missing-field-initializers)
if(SKYVANE_WERROR)
  target_compile_options(skyvane_warnings INTERFACE -Werror)
endif()

if(SKYVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(SKYVANE_FUZZ)
  # Coverage feedback from every library, not only from the fuzz targets' own files.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# skyvane_layer(NAME name FOLDERS dir... [DEPS target...])
# Builds one static library from every source file in the listed folders. Its include root holds
# only links to its own folders, so "#include "content/Xml.h"" compiles in a layer that links
# content and fails everywhere else: a wrong dependency cannot sneak in.
function(skyvane_layer)
  cmake_parse_arguments(L "" "NAME" "FOLDERS;DEPS" ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/include/${L_NAME})
  file(MAKE_DIRECTORY ${root})
  set(sources)
  foreach(folder IN LISTS L_FOLDERS)
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${L_NAME} STATIC ${sources})
    target_include_directories(${L_NAME} PUBLIC ${root})
    target_link_libraries(${L_NAME} PUBLIC ${L_DEPS} PRIVATE skyvane_warnings)
  else()
    # A layer that has no code yet still passes its include root and dependencies on.
    add_library(${L_NAME} INTERFACE)
    target_include_directories(${L_NAME} INTERFACE ${root})
    target_link_libraries(${L_NAME} INTERFACE ${L_DEPS})
  endif()
endfunction()
