# Fails when web/app/protocol.js or protocol.d.ts is not what the engine's protocol tables
# write.
#   cmake -DWRITER=<orvanel_protocol_js> -DFOLDER=<web/app> -P cmake/CheckProtocolScript.cmake
foreach(kind js d.ts)
  execute_process(COMMAND ${WRITER} ${kind} OUTPUT_VARIABLE written RESULT_VARIABLE status)
  file(READ ${FOLDER}/protocol.${kind} kept)
  if(NOT status EQUAL 0 OR NOT written STREQUAL kept)
    message(FATAL_ERROR "${FOLDER}/protocol.${kind} differs from the engine's protocol tables: "
                        "run scripts/protocol-js")
  endif()
endforeach()
