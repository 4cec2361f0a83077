#include "fetch/gunzip_body.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "base/gzip_module.h"
#include "base/program_dir.h"
#include "support/gzip_bytes.h"
#include "support/temp_dir.h"

namespace zorvqi {
namespace {

using testing::gzipBytes;

// Points the program directory at the build's bin directory, where gzip.dll is built.
class GunzipBodyTest : public ::testing::Test {
 protected:
  void SetUp() override { setProgramDir(ZORVQI_BIN_DIR); }
  void TearDown() override { setProgramDir(ZORVQI_BIN_DIR); }
};

// A text that compresses poorly enough to need many input and output pieces.
std::string sampleText(std::size_t length) {
  std::string text;
  unsigned state = 12345;
  while (text.size() < length) {
    state = state * 1103515245u + 12345u;
    text += static_cast<char>('a' + (state >> 16) % 26);
    if (state % 7 == 0) text += "中文 ";
  }
  text.resize(length);
  return text;
}

TEST_F(GunzipBodyTest, ModuleIsFoundInTheProgramDirectory) {
  EXPECT_TRUE(gzipModulePresent());
}

TEST_F(GunzipBodyTest, RoundTripsStreamsOfManyPieces) {
  for (std::size_t length : {std::size_t{0}, std::size_t{1}, std::size_t{8192}, std::size_t{200000}}) {
    const std::string text = sampleText(length);
    EXPECT_EQ(gunzipBody(gzipBytes(text)), text) << length;
    EXPECT_EQ(gunzipBody(gzipBytes(text, true)), text) << "zlib " << length;
  }
}

TEST_F(GunzipBodyTest, HighlyCompressedBodyNeedsManyOutputPiecesFromOneInputPiece) {
  const std::string text(1 << 20, 'x');
  const std::string packed = gzipBytes(text);
  ASSERT_LT(packed.size(), 8192u);
  EXPECT_EQ(gunzipBody(packed), text);
}

TEST_F(GunzipBodyTest, EveryMemberOfAMultiMemberBodyInOrder) {
  const std::string one = sampleText(20000);
  const std::string two = sampleText(30000).substr(7);
  EXPECT_EQ(gunzipBody(gzipBytes(one) + gzipBytes(two) + gzipBytes("")), one + two);
  // What follows the last member without starting another one is not part of the page.
  EXPECT_EQ(gunzipBody(gzipBytes(one) + std::string(16, '\0')), one);
  EXPECT_EQ(gunzipBody(gzipBytes(one) + "trailing"), one);
  // A zlib stream has one member only.
  EXPECT_EQ(gunzipBody(gzipBytes(one, true) + gzipBytes(two)), one + two);
  EXPECT_EQ(gunzipBody(gzipBytes(one) + gzipBytes(two), one.size() + 5), one + two.substr(0, 5));
}

TEST_F(GunzipBodyTest, BodyThatIsNotGzipGivesNothing) {
  EXPECT_EQ(gunzipBody("<html>plain page</html>"), "");
  EXPECT_EQ(gunzipBody(""), "");
}

TEST_F(GunzipBodyTest, TruncatedStreamGivesWhatCameBeforeAndEnds) {
  const std::string text = sampleText(100000);
  const std::string packed = gzipBytes(text);
  const std::string produced = gunzipBody(packed.substr(0, packed.size() / 2));
  EXPECT_GT(produced.size(), 0u);
  EXPECT_LT(produced.size(), text.size());
  EXPECT_EQ(produced, text.substr(0, produced.size()));
}

TEST_F(GunzipBodyTest, CorruptStreamGivesWhatCameBeforeTheFault) {
  const std::string text = sampleText(100000);
  std::string packed = gzipBytes(text);
  for (std::size_t i = packed.size() / 2; i < packed.size() / 2 + 64; ++i)
    packed[i] = static_cast<char>(~packed[i]);
  const std::string produced = gunzipBody(packed);
  EXPECT_LT(produced.size(), text.size());
  EXPECT_EQ(produced.substr(0, 1000), text.substr(0, 1000));
}

TEST_F(GunzipBodyTest, OutputIsCutAtTheCap) {
  const std::string text(1 << 20, 'y');
  EXPECT_EQ(gunzipBody(gzipBytes(text), 100000), text.substr(0, 100000));
  EXPECT_EQ(gunzipBody(gzipBytes(text), 8192), text.substr(0, 8192));
}

// The fixture's bomb is a whole, valid stream: zlib itself inflates it to its end.
TEST_F(GunzipBodyTest, BombFixtureIsAValidStream) {
  const std::string bomb = testing::gzipBomb(3, 'z');
  std::string inflated(3 << 20, '\0');
  z_stream stream{};
  ASSERT_EQ(inflateInit2(&stream, 15 + 16), Z_OK);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bomb.data()));
  stream.avail_in = static_cast<uInt>(bomb.size());
  stream.next_out = reinterpret_cast<Bytef*>(inflated.data());
  stream.avail_out = static_cast<uInt>(inflated.size());
  EXPECT_EQ(inflate(&stream, Z_FINISH), Z_STREAM_END);
  EXPECT_EQ(stream.avail_in, 0u);
  EXPECT_EQ(stream.total_out, inflated.size());
  inflateEnd(&stream);
  EXPECT_EQ(inflated, std::string(3 << 20, 'z'));
}

TEST_F(GunzipBodyTest, GigabyteBombStopsAtTheBodyCap) {
  const std::string bomb = testing::gzipBomb(1024, 'a');
  ASSERT_LT(bomb.size(), std::size_t{4} << 20);
  const std::string produced = gunzipBody(bomb);
  EXPECT_EQ(produced.size(), kMaxBodyBytes);
  EXPECT_EQ(kMaxBodyBytes, std::size_t{64} << 20);
  EXPECT_EQ(produced.find_first_not_of('a'), std::string::npos);
}

TEST(StartsLike, TellsGzipAndZlibHeadersApart) {
  EXPECT_TRUE(startsLikeGzip(gzipBytes("x")));
  EXPECT_FALSE(startsLikeGzip("\x1f"));
  EXPECT_FALSE(startsLikeGzip(gzipBytes("x", true)));
  EXPECT_TRUE(startsLikeZlib(gzipBytes("x", true)));
  EXPECT_TRUE(startsLikeZlib("\x78\x01"));
  EXPECT_FALSE(startsLikeZlib("x!"));
  EXPECT_FALSE(startsLikeZlib(gzipBytes("x")));
  EXPECT_FALSE(startsLikeZlib("<html>"));
}

TEST_F(GunzipBodyTest, MissingModuleGivesNothing) {
  testing::TempDir empty;
  setProgramDir(empty.path().string());
  EXPECT_FALSE(gzipModulePresent());
  EXPECT_EQ(gunzipBody(gzipBytes("page")), "");
}

TEST_F(GunzipBodyTest, FileThatIsNotALibraryGivesNothing) {
  testing::TempDir dir;
  testing::writeFileBytes(dir.path() / "gzip.dll", "not a shared object");
  setProgramDir(dir.path().string());
  EXPECT_FALSE(gzipModulePresent());
  EXPECT_EQ(gunzipBody(gzipBytes("page")), "");
}

}  // namespace
}  // namespace zorvqi
