// tessary-cli trace: options, the exact output lines and the exit codes.
#include <gtest/gtest.h>

#include "cli/cli_file.h"
#include "cli/commands.h"
#include "cli_test_support.h"

namespace tessary::cli {
namespace {

using TraceCommandTest = CliTest;

const std::string kMainMenu =
    "FM_MENUBAR ()\r\n{\r\n#IF_WIN\r\n\tFM_MENU ( \"File\" , FM_MENU_FILE )\r\n\t{\r\n"
    "\t\tFM_MENUITEM ( FM_OPEN, CTRL + \"O\" )\r\n\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run it\", Check-On )\r\n"
    "\t}\r\n#END_IF\r\n}\r\n";

TEST_F(TraceCommandTest, PrintsOneLinePerCallbackAndTheStatus) {
    const std::string file = write("main.tsmb", kMainMenu);
    EXPECT_EQ(kExitOk, run({"trace", file}));
    EXPECT_EQ(
        "BeginMenuBar -> 1\n"
        "BeginMenu platforms=1 caption=\"File\" fmMenuId=1 -> 2\n"
        "AddItem 2 platforms=1 kind=1 caption=none modifiers=1 key=79 enabled=1 userString=\"\" target=2 checkOn=0 -> "
        "1\n"
        "AddItem 2 platforms=1 kind=2 caption=\"Run\" modifiers=0 key=0 enabled=1 userString=\"\" target=\"Run it\" "
        "checkOn=1 -> 1\n"
        "AttachMenuToBar 1 2 platforms=1 caption=\"File\" fmMenuId=1 -> 1\n"
        "status 0 line 11\n",
        out_.str());
    EXPECT_EQ("", err_.str());
}

TEST_F(TraceCommandTest, PlatformsAndKindOptions) {
    const std::string main = write("main.tsmb", kMainMenu);
    EXPECT_EQ(kExitOk, run({"trace", "--platforms", "6", main}));
    EXPECT_EQ("BeginMenuBar -> 1\nstatus 0 line 11\n", out_.str());
    EXPECT_EQ(kExitOk, run({"trace", "--platforms=6", "--kind=main", main}));
    EXPECT_EQ("BeginMenuBar -> 1\nstatus 0 line 11\n", out_.str());

    EXPECT_EQ(kExitFailed, run({"trace", "--kind", "context", main}));
    EXPECT_EQ("status 18 line 1\n", out_.str());

    const std::string popup = write("popup.tsmn", "FM_POPUPMENU ( )\r\n{\r\n\tFM_MENUITEM ( FM_CLOSE, Disabled )\r\n}");
    EXPECT_EQ(kExitOk, run({"trace", popup, "--kind", "popup"}));
    EXPECT_EQ(
        "BeginMenu platforms=7 caption=none fmMenuId=0 -> 1\n"
        "AddItem 1 platforms=7 kind=1 caption=none modifiers=0 key=0 enabled=0 userString=\"\" target=4 checkOn=0 -> "
        "1\n"
        "status 0 line 5\n",
        out_.str());
}

TEST_F(TraceCommandTest, FailingParseKeepsTheTraceAndExitsOne) {
    const std::string file = write("bad.tsmb", "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"A\" )\r\n\t{\r\n\t}\r\n");
    EXPECT_EQ(kExitFailed, run({"trace", file}));
    EXPECT_EQ(
        "BeginMenuBar -> 1\n"
        "BeginMenu platforms=7 caption=\"A\" fmMenuId=0 -> 2\n"
        "AttachMenuToBar 1 2 platforms=7 caption=\"A\" fmMenuId=0 -> 1\n"
        "AbortMenuBar 1\n"
        "status 1 line 6\n",
        out_.str());
}

TEST_F(TraceCommandTest, TextEndsAtTheFirstNul) {
    std::string bytes = "FM_CONTEXTMENU ( )\r\n{\r\n}";
    bytes += '\0';
    bytes += "garbage {";
    const std::string file = write("nul.tsmn", bytes);
    EXPECT_EQ(kExitOk, run({"trace", "--kind", "context", file}));
    EXPECT_EQ("BeginMenu platforms=7 caption=none fmMenuId=0 -> 1\nstatus 0 line 4\n", out_.str());

    const std::string empty = write("empty.tsmb", std::string(1, '\0'));
    EXPECT_EQ(kExitFailed, run({"trace", empty}));
    EXPECT_EQ("status 7 line 1\n", out_.str());
}

TEST_F(TraceCommandTest, FileSizeLimit) {
    // A file of exactly the limit is read whole; one byte more is refused.
    std::string atLimit = "FM_MENUBAR (){}";
    atLimit.resize(kDocumentBufferSize, ' ');
    EXPECT_EQ(kExitOk, run({"trace", write("limit.tsmb", atLimit)}));
    EXPECT_EQ("BeginMenuBar -> 1\nstatus 0 line 2\n", out_.str());

    const std::string big = write("big.tsmb", atLimit + " ");
    EXPECT_EQ(kExitUsage, run({"trace", big}));
    EXPECT_EQ("", out_.str());
    EXPECT_EQ(big + ": error: the file is larger than 524288 bytes\n", err_.str());
}

TEST_F(TraceCommandTest, UsageAndInputErrors) {
    const std::string file = write("main.tsmb", kMainMenu);
    const Args bad[] = {
        {"trace"},
        {"trace", "--kind", "auto", file},
        {"trace", "--kind"},
        {"trace", "--platforms", "seven", file},
        {"trace", "--platforms", "-1", file},
        {"trace", "--verbose", file},
        {"trace", file, file},
        {"frobnicate", file},
        {},
    };
    for (const Args& args : bad) {
        SCOPED_TRACE(args.empty() ? "(none)" : args[0] + " ... " + args.back());
        EXPECT_EQ(kExitUsage, run(args));
        EXPECT_EQ("", out_.str());
        EXPECT_NE(std::string::npos, err_.str().find("usage: tessary-cli"));
    }
    const std::string missing = (dir_ / "missing.tsmb").string();
    EXPECT_EQ(kExitUsage, run({"trace", missing}));
    EXPECT_EQ(missing + ": error: cannot open the file\n", err_.str());
}

}  // namespace
}  // namespace tessary::cli
