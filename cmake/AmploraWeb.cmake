# The web edition: web/ configured by Emscripten's emcmake in a tree of its own (web-tree/),
# writing the page's static files into web/ of this build. Emscripten builds its system
# libraries once into emcache/ of this build, offline; Debian's acorn for its optimiser is
# found through NODE_PATH whichever node runs it.
include(ExternalProject)
set(AMPLORA_WEB_DIR ${CMAKE_BINARY_DIR}/web)
set(web_env ${CMAKE_COMMAND} -E env EM_CACHE=${CMAKE_BINARY_DIR}/emcache EM_FROZEN_CACHE=
  NODE_PATH=/usr/share/nodejs)
ExternalProject_Add(web
  SOURCE_DIR ${PROJECT_SOURCE_DIR}/web
  BINARY_DIR ${CMAKE_BINARY_DIR}/web-tree
  CONFIGURE_COMMAND ${web_env} ${EMCMAKE} ${CMAKE_COMMAND} -S <SOURCE_DIR> -B <BINARY_DIR>
    -DAMPLORA_WEB_OUTPUT=${AMPLORA_WEB_DIR} -DCMAKE_BUILD_TYPE=MinSizeRel
  BUILD_COMMAND ${web_env} ${CMAKE_COMMAND} --build <BINARY_DIR>
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  USES_TERMINAL_BUILD ON)
