// The driver itself: a script that leaves the modal window open must fail
// the test within seconds, not leave the suite waiting in the modal loop.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "StepTestSupport.h"

using namespace steptest;

TEST(DialogDriver, AWindowTheScriptLeavesOpenFailsTheTestInsteadOfHanging) {
    const DWORD start = GetTickCount();
    EXPECT_NONFATAL_FAILURE(
        {
            CDialogDriver driver([](DWORD mainThread) { WaitForThreadWindow(mainThread, "#32770", "Left open"); });
            MessageBoxA(nullptr, "The script never answers this.", "Left open", MB_OK);
            driver.Finish();
        },
        "the script left windows open that the driver had to close: \"Left open\"");
    EXPECT_LT(GetTickCount() - start, 20000u);
}
