# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the guide's HTML page from docs/guide.md: cmark-gfm (with tables) makes the body, each
# heading gets the anchor the guide's own links use (lower case, spaces as dashes, no
# punctuation), and a small page around it sets the title and a readable width.
#
#   cmake -DCMARK=cmark-gfm -DSOURCE=docs/guide.md -DOUTPUT=guide.html [-DLANGUAGE=sv] \
#         -P make-guide.cmake
execute_process(COMMAND ${CMARK} --extension table --to html ${SOURCE}
                OUTPUT_VARIABLE body COMMAND_ERROR_IS_FATAL ANY)

string(REGEX MATCHALL "<h[1-6]>[^<]*</h[1-6]>" headings "${body}")
foreach(heading IN LISTS headings)
    string(REGEX REPLACE "^<(h[1-6])>([^<]*)</h[1-6]>$" "\\1" level "${heading}")
    string(REGEX REPLACE "^<h[1-6]>([^<]*)</h[1-6]>$" "\\1" title "${heading}")
    string(TOLOWER "${title}" anchor)
    string(REGEX REPLACE "&[a-z]+;" "" anchor "${anchor}")
    # ASCII punctuation goes; letters beyond ASCII (the å, ä and ö of a Swedish heading) stay.
    string(REGEX REPLACE "[]!\"#$%&'()*+,./:;<=>?@[\\^`{|}~]" "" anchor "${anchor}")
    string(REPLACE " " "-" anchor "${anchor}")
    string(REPLACE "${heading}" "<${level} id=\"${anchor}\">${title}</${level}>" body "${body}")
endforeach()

if(NOT LANGUAGE)
    set(LANGUAGE en)
endif()
string(REGEX MATCH "<h1[^>]*>([^<]*)</h1>" _ "${body}")
set(title "${CMAKE_MATCH_1}")
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"${LANGUAGE}\">
<head>
<meta charset=\"utf-8\">
<title>${title}</title>
<style>
body { max-width: 50em; margin: 1em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.5; }
img { max-width: 100%; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.2em 0.5em; text-align: left; }
</style>
</head>
<body>
${body}</body>
</html>
")
