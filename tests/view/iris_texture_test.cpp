#include "view/IrisTexture.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::vector<std::uint8_t> Pattern(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return bytes;
}

class TempFile {
public:
    explicit TempFile(const std::vector<std::uint8_t>& bytes)
    {
        static int count = 0;
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        m_path =
            std::filesystem::temp_directory_path() / ("squinx_iris_" + test + "_" + std::to_string(++count) + ".dat");
        std::ofstream file(m_path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { std::filesystem::remove(m_path); }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

TEST(IrisTextureConversion, CompleteImageGetsAlphaAfterEveryPixel)
{
    const auto rgb = Pattern(kIrisFileBytes);
    const auto rgba = ConvertIrisTexture(rgb);
    ASSERT_EQ(rgba.size(), 65536u);
    for (std::size_t pixel = 0; pixel < 128 * 128; ++pixel) {
        ASSERT_EQ(rgba[pixel * 4 + 0], rgb[pixel * 3 + 0]) << pixel;
        ASSERT_EQ(rgba[pixel * 4 + 1], rgb[pixel * 3 + 1]) << pixel;
        ASSERT_EQ(rgba[pixel * 4 + 2], rgb[pixel * 3 + 2]) << pixel;
        ASSERT_EQ(rgba[pixel * 4 + 3], 250) << pixel;
    }
}

TEST(IrisTextureConversion, ShortInputKeepsPartialPixelAndZeroFillsTheRest)
{
    const auto rgba = ConvertIrisTexture({10, 20, 30, 40});
    ASSERT_EQ(rgba.size(), 65536u);
    EXPECT_EQ(rgba[0], 10);
    EXPECT_EQ(rgba[1], 20);
    EXPECT_EQ(rgba[2], 30);
    EXPECT_EQ(rgba[3], 250);
    EXPECT_EQ(rgba[4], 40);
    for (std::size_t i = 5; i < rgba.size(); ++i)
        ASSERT_EQ(rgba[i], 0) << i;

    const auto twoBytes = ConvertIrisTexture({10, 20});
    EXPECT_EQ(twoBytes[1], 20);
    EXPECT_EQ(twoBytes[2], 0) << "no alpha without a complete pixel";
    EXPECT_EQ(twoBytes[3], 0);
}

TEST(IrisTextureConversion, EmptyInputGivesBlackTransparentImage)
{
    const auto rgba = ConvertIrisTexture({});
    ASSERT_EQ(rgba.size(), 65536u);
    for (auto byte : rgba)
        ASSERT_EQ(byte, 0);
}

TEST(IrisTextureConversion, LongerInputUsesOnlyTheFirstImage)
{
    auto rgb = Pattern(kIrisFileBytes + 1000);
    const auto rgba = ConvertIrisTexture(rgb);
    ASSERT_EQ(rgba.size(), 65536u);
    EXPECT_EQ(rgba[65532], rgb[49149]);
    EXPECT_EQ(rgba[65534], rgb[49151]);
    EXPECT_EQ(rgba[65535], 250);
    rgb.resize(kIrisFileBytes);
    EXPECT_EQ(ConvertIrisTexture(rgb), rgba);
}

TEST(IrisTextureFile, ReadsFilesOfAnyLength)
{
    const auto rgb = Pattern(kIrisFileBytes);
    std::vector<std::uint8_t> rgba;

    TempFile complete(rgb);
    ASSERT_TRUE(LoadIrisTexture(complete.Path(), rgba));
    EXPECT_EQ(rgba, ConvertIrisTexture(rgb));

    TempFile huge(Pattern(kIrisFileBytes * 40));
    ASSERT_TRUE(LoadIrisTexture(huge.Path(), rgba));
    EXPECT_EQ(rgba, ConvertIrisTexture(rgb));

    TempFile four({1, 2, 3, 4});
    ASSERT_TRUE(LoadIrisTexture(four.Path(), rgba));
    EXPECT_EQ(rgba, ConvertIrisTexture({1, 2, 3, 4}));

    TempFile empty({});
    ASSERT_TRUE(LoadIrisTexture(empty.Path(), rgba));
    EXPECT_EQ(rgba, std::vector<std::uint8_t>(65536, 0));
}

TEST(IrisTextureFile, UnreadablePathFailsWithBlankImage)
{
    std::vector<std::uint8_t> rgba(3, 99);
    EXPECT_FALSE(LoadIrisTexture("/nonexistent/squinx/texturen.dat", rgba));
    EXPECT_EQ(rgba, std::vector<std::uint8_t>(65536, 0));

    rgba.assign(3, 99);
    EXPECT_FALSE(LoadIrisTexture(std::filesystem::temp_directory_path().string(), rgba));
    EXPECT_EQ(rgba, std::vector<std::uint8_t>(65536, 0));

    // A regular file whose reading fails: the process's own memory, unmapped at offset 0.
    rgba.assign(3, 99);
    EXPECT_FALSE(LoadIrisTexture("/proc/self/mem", rgba));
    EXPECT_EQ(rgba, std::vector<std::uint8_t>(65536, 0));
}

TEST(IrisTextureFile, ShippedPictureIsOneCompleteImage)
{
    const std::filesystem::path shipped = std::filesystem::path(SQUINX_DATA_DIR) / "texturen.dat";
    ASSERT_TRUE(std::filesystem::exists(shipped));
    EXPECT_EQ(std::filesystem::file_size(shipped), 49152u);
}

}  // namespace

namespace {

// Found while checking the readers against non-regular files: a FIFO named
// texturen.dat blocked the open, and with it the start of the program.
TEST(IrisTextureFile, FifoIsRefusedWithoutBlocking)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps no pipes among the files";
#else
    const std::filesystem::path fifo =
        std::filesystem::temp_directory_path() / ("squinx_iris_fifo_" + std::to_string(::getpid()));
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(5);
        std::vector<std::uint8_t> rgba(3, 99);
        const bool loaded = LoadIrisTexture(fifo.string(), rgba);
        ::_exit(!loaded && rgba == std::vector<std::uint8_t>(65536, 0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    std::filesystem::remove(fifo);
    ASSERT_FALSE(WIFSIGNALED(status)) << "the load blocked on the FIFO";
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

}  // namespace
