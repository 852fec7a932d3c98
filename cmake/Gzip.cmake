# SPDX-License-Identifier: GPL-3.0-or-later
# Compresses a file as Debian wants its documentation: at the highest level, and
# without the name and time in the header, so that two builds give one file.
function(ostrel_gzip input output)
    get_filename_component(name ${output} NAME)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9 -n -c ${input} > ${output}
        DEPENDS ${input}
        VERBATIM)
    add_custom_target(gzip_${name} ALL DEPENDS ${output})
endfunction()
