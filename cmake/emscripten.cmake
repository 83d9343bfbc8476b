# WebAssembly: Emscripten's own toolchain, from wherever the emcc found is installed.
find_program(KORVAL_EMCC emcc REQUIRED)
file(REAL_PATH ${KORVAL_EMCC} emcc)
get_filename_component(emscripten_root ${emcc} DIRECTORY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)

# Emscripten's tools run on node and need acorn, which Debian keeps where node does not look:
# the configure checks and every link are told where.
find_path(KORVAL_NODE_LIBRARIES acorn/package.json PATHS /usr/share/nodejs /usr/lib/nodejs
          NO_CMAKE_FIND_ROOT_PATH)
if(KORVAL_NODE_LIBRARIES)
    set(ENV{NODE_PATH} ${KORVAL_NODE_LIBRARIES})
    set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${KORVAL_NODE_LIBRARIES})
endif()
