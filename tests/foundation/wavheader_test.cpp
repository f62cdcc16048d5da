#include "wavheader.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>

namespace {

// A 16-bit mono file at 22,050 Hz holding `frames` frames; `spoil` changes its bytes.
QByteArray wav(int frames = 2205, const std::function<void(QByteArray &)> &spoil = {})
{
    QByteArray b("RIFF\0\0\0\0WAVEfmt ", 16);
    const auto put32 = [&b](quint32 v) { b.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 4); };
    const auto put16 = [&b](quint16 v) { b.append(reinterpret_cast<const char *>(&(v = qToLittleEndian(v))), 2); };
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    b.append("data");
    put32(static_cast<quint32>(frames * 2));
    b.append(QByteArray(frames * 2, '\x10'));
    qToLittleEndian<quint32>(static_cast<quint32>(b.size() - 8), b.data() + 4);
    if (spoil)
        spoil(b);
    return b;
}

void set32(QByteArray &b, int at, quint32 v)
{
    qToLittleEndian<quint32>(v, b.data() + at);
}

void set16(QByteArray &b, int at, quint16 v)
{
    qToLittleEndian<quint16>(v, b.data() + at);
}

TEST(WavHeader, AcceptsAPlainFileAndGivesItsLength)
{
    const wavheader::Check c = wavheader::check(wav());
    ASSERT_TRUE(c.ok) << c.problem.toStdString();
    EXPECT_EQ(c.format.sampleRate, 22050);
    EXPECT_EQ(c.format.dataBytes, 4410);
    EXPECT_EQ(c.format.lengthMs(), 100);

    // Another chunk before the data, of odd length and so padded, is passed over.
    QByteArray withList = wav();
    withList.insert(36, QByteArray("LIST\x03\0\0\0abc\0", 12));
    EXPECT_TRUE(wavheader::check(withList).ok) << wavheader::check(withList).problem.toStdString();
}

struct Damage
{
    const char *name;
    std::function<void(QByteArray &)> spoil;
    const char *problem;
};

class DamagedWav : public testing::TestWithParam<Damage> {};

TEST_P(DamagedWav, IsRefusedWithTheReason)
{
    const wavheader::Check c = wavheader::check(wav(2205, GetParam().spoil));
    EXPECT_FALSE(c.ok);
    EXPECT_TRUE(c.problem.contains(QString::fromUtf8(GetParam().problem))) << c.problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedWav,
    testing::Values(
        Damage{"rate_beyond_int", [](QByteArray &b) { set32(b, 24, 0x7FFFFFFF); }, "2147483647 Hz"},
        Damage{"rate_of_100_hz", [](QByteArray &b) { set32(b, 24, 100); }, "100 Hz"},
        Damage{"no_channels", [](QByteArray &b) { set16(b, 22, 0); }, "チャンネル数 0"},
        Damage{"odd_bits", [](QByteArray &b) { set16(b, 34, 12); }, "量子化ビット数 12"},
        Damage{"block_size", [](QByteArray &b) { set16(b, 32, 3); }, "ブロックの大きさ 3"},
        Damage{"compressed", [](QByteArray &b) { set16(b, 20, 2); }, "対応していない形式"},
        Damage{"data_past_the_end", [](QByteArray &b) { set32(b, 40, 0x7FFFFFF0); }, "ファイルの終わりを越えて"},
        Damage{"half_a_frame", [](QByteArray &b) { set32(b, 40, 4409); }, "4409 バイト"},
        Damage{"cut_after_the_format", [](QByteArray &b) { b.truncate(36); }, "音のデータがありません"},
        Damage{"not_riff", [](QByteArray &b) { b[0] = 'X'; }, "RIFF/WAVE"},
        Damage{"format_chunk_too_long", [](QByteArray &b) { set32(b, 16, 0xFFFFFFF0); }, "形式の情報が壊れています"},
        Damage{"too_long_a_clip", [](QByteArray &b) { set32(b, 24, 8000); set32(b, 28, 16000); b.append(QByteArray(2000000, 0)); set32(b, 40, 16000 * 61); }, "長すぎます"}),
    [](const auto &tp) { return std::string(tp.param.name); });

} // namespace
