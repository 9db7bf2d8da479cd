// The logo decoder: good pictures decode, anything else is refused whole.
#include "output/jpeg_logo.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "jpeg_writer.h"

namespace zefir::output {
namespace {

TEST(JpegLogo, DecodesSizeAndColours) {
  LogoImage image;
  ASSERT_TRUE(decodeJpegLogo(jpeg_test::encodeJpeg(40, 20), image));
  EXPECT_EQ(image.width, 40);
  EXPECT_EQ(image.height, 20);
  ASSERT_EQ(image.rgb.size(), 40u * 20 * 3);
  // Red on the left, blue on the right, within JPEG's losses.
  EXPECT_GT(image.rgb[(10 * 40 + 5) * 3], 200);
  EXPECT_LT(image.rgb[(10 * 40 + 5) * 3 + 2], 60);
  EXPECT_GT(image.rgb[(10 * 40 + 35) * 3 + 2], 200);
}

TEST(JpegLogo, RefusesWhatIsNotAWholeReasonablePicture) {
  const std::string good = jpeg_test::encodeJpeg(64, 64);
  LogoImage image;
  EXPECT_FALSE(decodeJpegLogo("", image));
  EXPECT_FALSE(decodeJpegLogo("GIF89a not a jpeg at all", image));
  EXPECT_FALSE(decodeJpegLogo(good.substr(0, good.size() / 2), image)) << "cut short";
  EXPECT_FALSE(decodeJpegLogo(good.substr(0, 200), image)) << "cut inside the tables";
  EXPECT_TRUE(image.empty());
  // A header claiming 20,000 x 20,000 pixels is refused before anything is
  // allocated for it; 8,000 a side is the most a logo may have.
  EXPECT_FALSE(decodeJpegLogo(jpeg_test::withClaimedSize(good, 20000, 20000), image));
  EXPECT_FALSE(decodeJpegLogo(jpeg_test::withClaimedSize(good, 8001, 64), image));
  EXPECT_TRUE(image.empty());
}

TEST(JpegLogo, NameIsTriedAsGivenThenUnderTheFolder) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zefir-logo-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "logo.jpg", std::ios::binary) << jpeg_test::encodeJpeg(30, 10);
  EXPECT_EQ(loadLogo("logo.jpg", dir.string()).width, 30);
  EXPECT_EQ(loadLogo((dir / "logo.jpg").string(), "").width, 30);
  EXPECT_TRUE(loadLogo("/logo.jpg", dir.string()).empty()) << "a rooted name gets no prefix";
  EXPECT_TRUE(loadLogo("brak.jpg", dir.string()).empty());
  EXPECT_TRUE(loadLogo("", dir.string()).empty());
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zefir::output
