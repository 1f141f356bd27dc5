// SPDX-License-Identifier: MIT
#include "platform/kernels.h"

#include <QTest>
#include <random>
#include <string>

using icao::kernels::Kernels;

namespace {

// Bytes of every length around the 16- and 32-byte steps, drawn from an alphabet that makes
// each kernel's cases common: capitals and small letters, separators, line ends and bytes
// beyond ASCII.
std::string randomBytes(std::mt19937& random) {
    static constexpr std::string_view kAlphabet = "aAbBzZ@[`{|,\n\r \xC3\xA9\x80\xFF";
    std::string bytes(random() % 100, 'x');
    for (char& byte : bytes) {
        byte = random() % 3 == 0 ? kAlphabet[random() % kAlphabet.size()] : byte;
    }
    return bytes;
}

std::vector<icao::kernels::PairBank> banksOf(const std::vector<std::string>& pairs) {
    std::vector<icao::kernels::PairBank> banks((pairs.size() + 7) / 8);
    for (std::size_t index = 0; index < pairs.size(); ++index) {
        icao::kernels::setPair(banks.data(), index, pairs[index][0], pairs[index][1]);
    }
    return banks;
}

} // namespace

// Each vector kernel gives its plain twin's answer. Under ICAO_FORCE_SCALAR=1 the chosen
// kernels must be the twins themselves.
class KernelTest : public QObject {
    Q_OBJECT

  private slots:
    void chosenKernelsHonourTheForcedTwins() {
        const bool forced = qgetenv("ICAO_FORCE_SCALAR") == "1";
        const Kernels& expected = forced ? icao::kernels::kPlain : icao::kernels::vectorKernels();
        QCOMPARE(&icao::kernels::chosen(), &expected);
    }

    void everyKernelAgreesWithItsTwin() {
        const Kernels& plain = icao::kernels::kPlain;
        const Kernels& vector = icao::kernels::vectorKernels();
        std::mt19937 random(11);
        const auto below = [&random](std::size_t bound) { return random() % (bound + 1); };
        const std::vector<std::string> pairs = {"ab", "BZ", "z|", "a,", "@a", "{[",
                                                "`b", "za", "aa", "bb", "zz", "Ab"};
        for (int round = 0; round < 5000; ++round) {
            const std::string bytes = randomBytes(random);
            const std::string_view view = bytes;
            const std::size_t at = below(bytes.size());

            QCOMPARE(vector.findItemEnd(bytes.data() + at, bytes.data() + bytes.size()),
                     plain.findItemEnd(bytes.data() + at, bytes.data() + bytes.size()));
            QCOMPARE(vector.findBeyondAscii(view, at), plain.findBeyondAscii(view, at));

            std::string vectorLowered(bytes.size(), '\0');
            std::string plainLowered(bytes.size(), '\0');
            const std::size_t runEnd = plain.lowerAsciiRun(view, at, plainLowered.data());
            QCOMPARE(vector.lowerAsciiRun(view, at, vectorLowered.data()), runEnd);
            QCOMPARE(vectorLowered.substr(0, runEnd - at), plainLowered.substr(0, runEnd - at));

            const std::size_t wanted = below(11);
            std::vector<std::size_t> vectorAt(wanted), plainAt(wanted);
            const std::size_t found = plain.findBytes(view, '|', plainAt.data(), wanted);
            QCOMPARE(vector.findBytes(view, '|', vectorAt.data(), wanted), found);
            QVERIFY(std::equal(plainAt.begin(), plainAt.begin() + found, vectorAt.begin()));

            const std::size_t count = 1 + below(10);
            QCOMPARE(vector.findNthByte(view, '|', count), plain.findNthByte(view, '|', count));

            const auto banks = banksOf({pairs.begin(), pairs.begin() + below(12)});
            const auto vectorPairs = vector.findPairs(view, banks.data(), banks.size());
            const auto plainPairs = plain.findPairs(view, banks.data(), banks.size());
            QCOMPARE(vectorPairs.pairs, plainPairs.pairs);
            QCOMPARE(vectorPairs.beyondAscii, plainPairs.beyondAscii);

            // A needle taken from the bytes themselves, lowered, or one that is not there.
            std::string needle = bytes.substr(at, below(4));
            for (char& c : needle) {
                c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
                c = static_cast<unsigned char>(c) >= 0x80 ? 'q' : c;
            }
            for (const bool untilBeyondAscii : {false, true}) {
                QCOMPARE(vector.holdsLowered(view, needle, untilBeyondAscii),
                         plain.holdsLowered(view, needle, untilBeyondAscii));
            }
        }
    }
};

QTEST_GUILESS_MAIN(KernelTest)
#include "tst_kernels.moc"
