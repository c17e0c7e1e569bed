// SPDX-License-Identifier: GPL-3.0-or-later
// Log files as the game writes them, over a new year and the end of March 2026, for the tests of
// the summary's days, weeks and months and of the dialog and report that show them.
#pragma once

#include "TemporaryFolder.h"

#include <initializer_list>
#include <string>

// One day's file: the header and `rows`, each ending in CR LF.
inline std::string logFile(std::initializer_list<const char*> rows) {
    std::string text = "time,screen,input,event,detail,right\r\n";
    for (const char* row : rows) {
        text += std::string(row) + "\r\n";
    }
    return text;
}

// Picture and word on Wednesday 31 December 2025 (ISO week 1 of 2026). Find images from Sunday
// 29 March 2026 (week 13) into Monday's file (week 14), on Tuesday 31 March with scanning (a
// choice missed once) and on Wednesday 1 April with one choice more.
inline void writeLogsOfTwoWeeks(const TemporaryFolder& folder) {
    folder.write("log/2025-12-31.csv",
                 logFile({"2025-12-31T10:00:00.000,Picture and word,,start,",
                          "2025-12-31T10:00:01.000,Picture and word,,step,sun",
                          "2025-12-31T10:00:03.000,Picture and word,first,press,sun",
                          "2025-12-31T10:00:31.000,Picture and word,,end,sun"}));
    folder.write("log/2026-03-29.csv",
                 logFile({"2026-03-29T23:59:00.000,Find images,,start,",
                          "2026-03-29T23:59:00.000,Find images,,settings,choices=3;scan=1.5",
                          "2026-03-29T23:59:30.000,Find images,,step,cat",
                          "2026-03-29T23:59:34.000,Find images,first,press,cat",
                          "2026-03-29T23:59:34.000,Find images,first,correct,cat"}));
    folder.write("log/2026-03-30.csv", logFile({"2026-03-30T00:01:00.000,Find images,,end,cat"}));
    folder.write("log/2026-03-31.csv",
                 logFile({"2026-03-31T10:00:00.000,Find images,,start,",
                          "2026-03-31T10:00:00.000,Find images,,settings,choices=3;scan=1.5",
                          "2026-03-31T10:00:01.000,Find images,,step,cat",
                          "2026-03-31T10:00:02.000,Find images,key:x,press,cat",
                          "2026-03-31T10:00:02.000,Find images,key:x,correct,cat",
                          "2026-03-31T10:00:03.000,Find images,,step,dog",
                          "2026-03-31T10:00:03.500,Find images,,framed,dog",
                          "2026-03-31T10:00:05.000,Find images,first,press,dog",
                          "2026-03-31T10:00:05.000,Find images,first,correct,dog",
                          "2026-03-31T10:00:06.000,Find images,,step,'=1+1",
                          "2026-03-31T10:00:06.500,Find images,,framed,'=1+1",
                          "2026-03-31T10:00:08.000,Find images,,missed,'=1+1",
                          "2026-03-31T10:00:09.000,Find images,first,press,cat",
                          "2026-03-31T10:00:09.000,Find images,first,wrong,cat,'=1+1",
                          "2026-03-31T10:00:10.000,Find images,,end,"}));
    folder.write("log/2026-04-01.csv",
                 logFile({"2026-04-01T10:00:00.000,Find images,,start,",
                          "2026-04-01T10:00:00.000,Find images,,settings,choices=4;scan=1.5",
                          "2026-04-01T10:00:00.000,Find images,,step,horse",
                          "2026-04-01T10:00:10.000,Find images,mouse,press,horse",
                          "2026-04-01T10:00:10.000,Find images,mouse,correct,horse",
                          "2026-04-01T10:00:20.000,Find images,,end,horse"}));
}
