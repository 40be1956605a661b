# embed_file(OUTPUT_CPP INPUT SYMBOL): writes a C++ source that defines
# `extern const unsigned char SYMBOL[]` and `extern const std::size_t SYMBOL_size`
# holding the bytes of INPUT, regenerated whenever INPUT changes.
function(embed_file output input symbol)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFileScript.cmake
        DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/EmbedFileScript.cmake
        COMMENT "Embedding ${input}"
        VERBATIM)
endfunction()
