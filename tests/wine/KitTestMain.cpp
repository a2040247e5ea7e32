// Runs the kit's in-process tests under Wine with GDI+ started, as the program starts it.
#include "pngkit/KitInit.h"

#include <gtest/gtest.h>
#include <ole2.h>

int main(int argc, char** argv) {
    OleInitialize(nullptr);
    tessellon::kit::InitKit();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
