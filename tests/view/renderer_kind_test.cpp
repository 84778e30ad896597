#include "view/RendererKind.h"

#include <gtest/gtest.h>

TEST(RendererKind, ProcessorRenderersAreTold)
{
    for (const char* software : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "Software Rasterizer",
                                 "Mesa X11 swrast", "GDI Generic", "Apple Software Renderer", "LLVMPIPE", ""})
        EXPECT_TRUE(IsSoftwareRenderer(software)) << software;
    for (const char* hardware :
         {"Mesa DRI Example Graphics 620 (KBL GT2)", "Example GPU 9000/PCIe/SSE2", "virgl (Example GPU)"})
        EXPECT_FALSE(IsSoftwareRenderer(hardware)) << hardware;
}
