# amplora-convert.js and .wasm: the command line's conversion of files of readings (cli/'s
# core, the same sources as amplora-convert's), loaded by the page's worker only when a file is
# converted, so the page starts no slower. Built for speed: a million rows go through it.
add_executable(amplora_convert_web
  file_bindings.cpp
  ${ROOT}/cli/convert_core.cpp ${ROOT}/cli/readings_file.cpp ${ROOT}/cli/csv_reader.cpp
  ${ROOT}/cli/csv_writer.cpp ${ROOT}/cli/reading.cpp ${ROOT}/cli/number_text.cpp
  ${ROOT}/cli/box_columns.cpp ${ROOT}/cli/escaping.cpp
  ${MODEL_SOURCES})
target_include_directories(amplora_convert_web PRIVATE ${ROOT})
target_include_directories(amplora_convert_web SYSTEM PRIVATE ${CMAKE_BINARY_DIR}/include)
target_compile_options(amplora_convert_web PRIVATE -O2)
set_target_properties(amplora_convert_web PROPERTIES OUTPUT_NAME amplora-convert SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${AMPLORA_WEB_OUTPUT})
target_link_options(amplora_convert_web PRIVATE --bind -O2 -sFILESYSTEM=0 -sENVIRONMENT=worker
  -sMODULARIZE=1 -sEXPORT_NAME=AmploraConvert -sALLOW_MEMORY_GROWTH=1
  -sINCOMING_MODULE_JS_API=[locateFile] -sDYNAMIC_EXECUTION=0)
