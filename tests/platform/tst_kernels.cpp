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
class RandomBytes {
  public:
    explicit RandomBytes(unsigned seed) : random_(seed) {}

    std::string next() {
        static constexpr std::string_view kAlphabet = "aAbBzZ@[`{|,\n\r \xC3\xA9\x80\xFF";
        std::string bytes(random_() % 100, 'x');
        for (char& byte : bytes) {
            if (random_() % 3 == 0) {
                byte = kAlphabet[random_() % kAlphabet.size()];
            }
        }
        return bytes;
    }
    std::size_t below(std::size_t bound) { return bound == 0 ? 0 : random_() % bound; }

  private:
    std::mt19937 random_;
};

// Eight letter pairs a bank, as LetterPairs lays them out.
std::vector<icao::kernels::PairBank> banksOf(const std::vector<std::string>& pairs) {
    std::vector<icao::kernels::PairBank> banks((pairs.size() + 7) / 8);
    for (std::size_t index = 0; index < pairs.size(); ++index) {
        auto& bank = banks[index / 8];
        const auto bit = static_cast<std::uint8_t>(1u << (index % 8));
        const auto first = static_cast<std::uint8_t>(pairs[index][0] | 0x20);
        const auto second = static_cast<std::uint8_t>(pairs[index][1] | 0x20);
        for (const std::size_t copy : {0, 16}) {
            bank.firstLow[copy + (first & 15)] |= bit;
            bank.firstHigh[copy + (first >> 4)] |= bit;
            bank.secondLow[copy + (second & 15)] |= bit;
            bank.secondHigh[copy + (second >> 4)] |= bit;
        }
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
        RandomBytes random(11);
        const std::vector<std::string> pairs = {"ab", "BZ", "z|", "a,", "@a", "{[",
                                                "`b", "za", "aa", "bb", "zz", "Ab"};
        for (int round = 0; round < 5000; ++round) {
            const std::string bytes = random.next();
            const std::string_view view = bytes;
            const std::size_t at = random.below(bytes.size() + 1);

            QCOMPARE(vector.findItemEnd(bytes.data() + at, bytes.data() + bytes.size()),
                     plain.findItemEnd(bytes.data() + at, bytes.data() + bytes.size()));
            QCOMPARE(vector.findBeyondAscii(view, at), plain.findBeyondAscii(view, at));

            std::string vectorLowered(bytes.size(), '\0');
            std::string plainLowered(bytes.size(), '\0');
            const std::size_t runEnd = plain.lowerAsciiRun(view, at, plainLowered.data());
            QCOMPARE(vector.lowerAsciiRun(view, at, vectorLowered.data()), runEnd);
            QCOMPARE(vectorLowered.substr(0, runEnd - at), plainLowered.substr(0, runEnd - at));

            const std::size_t wanted = random.below(12);
            std::vector<std::size_t> vectorAt(wanted), plainAt(wanted);
            const std::size_t found = plain.findBytes(view, '|', plainAt.data(), wanted);
            QCOMPARE(vector.findBytes(view, '|', vectorAt.data(), wanted), found);
            QVERIFY(std::equal(plainAt.begin(), plainAt.begin() + found, vectorAt.begin()));

            const auto banks = banksOf({pairs.begin(), pairs.begin() + random.below(13)});
            const auto vectorPairs = vector.findPairs(view, banks.data(), banks.size());
            const auto plainPairs = plain.findPairs(view, banks.data(), banks.size());
            QCOMPARE(vectorPairs.pairs, plainPairs.pairs);
            QCOMPARE(vectorPairs.beyondAscii, plainPairs.beyondAscii);

            // A needle taken from the bytes themselves, lowered, or one that is not there.
            std::string needle = bytes.substr(at, random.below(5));
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

    // The twins themselves, on cases whose answers are known.
    void plainTwinsAnswerRight() {
        const Kernels& plain = icao::kernels::kPlain;
        const std::string item = "L|EGLL|Z\xC3\xBCrich,x";
        QCOMPARE(plain.findItemEnd(item.data(), item.data() + item.size()) - item.data(), 14);
        QCOMPARE(plain.findBeyondAscii(item, 0), std::size_t(8));
        std::string lowered(item.size(), '\0');
        QCOMPARE(plain.lowerAsciiRun(item, 0, lowered.data()), std::size_t(8));
        QCOMPARE(lowered.substr(0, 8), std::string("l|egll|z"));
        std::array<std::size_t, 3> positions{};
        QCOMPARE(plain.findBytes(item, '|', positions.data(), 3), std::size_t(2));
        QCOMPARE(positions[1], std::size_t(6));
        QVERIFY(plain.holdsLowered(item, "egll", false));
        QVERIFY(!plain.holdsLowered(item, "zurich", false));
        QVERIFY(plain.holdsLowered(item, "zurich", true));
        const auto banks = banksOf({"gl", "xx"});
        QCOMPARE(plain.findPairs(item, banks.data(), banks.size()).pairs, std::uint64_t{1});
        QVERIFY(plain.findPairs(item, banks.data(), banks.size()).beyondAscii);
    }
};

QTEST_GUILESS_MAIN(KernelTest)
#include "tst_kernels.moc"
