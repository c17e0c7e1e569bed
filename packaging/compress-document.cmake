# SPDX-License-Identifier: GPL-3.0-or-later
# Compresses a document the way Debian keeps them (gzip -9, no name or time stamp, so the package
# is the same on every build), first turning it from Markdown into a manual page when MD2MAN
# names go-md2man. Lines with the licence tag are left out: a manual page does not show them.
#
#   cmake -DGZIP=gzip [-DMD2MAN=go-md2man] -DINPUT=vimo.6.md -DOUTPUT=vimo.6.gz -P compress-document.cmake
file(READ ${INPUT} text)
string(REGEX REPLACE "[^\n]*SPDX-License-Identifier[^\n]*\n" "" text "${text}")
set(plain ${OUTPUT}.plain)
file(WRITE ${plain} "${text}")
if(MD2MAN)
    execute_process(COMMAND ${MD2MAN} -in ${plain} -out ${plain}.man COMMAND_ERROR_IS_FATAL ANY)
    file(RENAME ${plain}.man ${plain})
endif()
execute_process(COMMAND ${GZIP} -9nc INPUT_FILE ${plain} OUTPUT_FILE ${OUTPUT}
                COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${plain})
