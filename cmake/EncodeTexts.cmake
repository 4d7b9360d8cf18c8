# The program's title, the about box's texts and the user manual are written as readable Italian
# in src/ui/resources/texts (UTF-8, LF line ends) and built into zelkor_core as encoded
# resources. A host tool that shares the program's own encoding and Windows-1252 conversion makes
# them; it stops the build on a character the code page can't hold. Included by
# src/core/CMakeLists.txt after zelkor_core is defined.

set(_zelkor_text_sources ${PROJECT_SOURCE_DIR}/src/ui/resources/texts)
set(_zelkor_encoded_dir ${CMAKE_CURRENT_BINARY_DIR}/encoded)
file(MAKE_DIRECTORY ${_zelkor_encoded_dir})

# The about box's version line takes the project version: the table is configured first.
configure_file(${_zelkor_text_sources}/string-table.txt ${_zelkor_encoded_dir}/string-table.txt
    @ONLY)

add_executable(zelkor_encode_texts
    ${PROJECT_SOURCE_DIR}/tools/encodetexts/EncodeTexts.cpp
    ${PROJECT_SOURCE_DIR}/src/core/text/EncodedText.cpp
    ${PROJECT_SOURCE_DIR}/src/core/text/Cp1252.cpp)
target_include_directories(zelkor_encode_texts PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(zelkor_encode_texts PRIVATE Qt6::Core)

add_custom_command(
    OUTPUT ${_zelkor_encoded_dir}/string-table.bin
    COMMAND zelkor_encode_texts table ${_zelkor_encoded_dir}/string-table.txt
        ${_zelkor_encoded_dir}/string-table.bin
    DEPENDS zelkor_encode_texts ${_zelkor_encoded_dir}/string-table.txt
    COMMENT "Encoding the string table"
    VERBATIM)
add_custom_command(
    OUTPUT ${_zelkor_encoded_dir}/instructions.bin
    COMMAND zelkor_encode_texts manual ${_zelkor_text_sources}/istruzioni.txt
        ${_zelkor_encoded_dir}/instructions.bin
    DEPENDS zelkor_encode_texts ${_zelkor_text_sources}/istruzioni.txt
    COMMENT "Encoding the user manual"
    VERBATIM)

qt_add_resources(zelkor_core zelkor_encoded_texts
    PREFIX /zelkor/encoded
    BASE ${_zelkor_encoded_dir}
    FILES ${_zelkor_encoded_dir}/string-table.bin ${_zelkor_encoded_dir}/instructions.bin)
