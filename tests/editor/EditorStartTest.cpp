// The real editor program, started in a content folder the way a user starts it.
#include "RunProgram.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

TEST(EditorStart, StartsAndEndsCleanlyInAContentFolder) {
    TemporaryFolder content;
    content.write("data/lang.txt", "Swedish\r\n");
    const ProgramResult result = runProgram(std::string(VIMO_BIN_DIR) + "/vimoedit", {},
                                            content.path(), {"QT_QPA_PLATFORM=offscreen"});
    EXPECT_EQ(result.exitCode, 0) << result.standardError;
}
