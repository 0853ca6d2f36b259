#include <gtest/gtest.h>

#include "shell/application.h"

// The real application object, so that the error report and the locale
// set-up are those of the program.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // windows are driven offscreen unless a platform is asked for
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    shell::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
