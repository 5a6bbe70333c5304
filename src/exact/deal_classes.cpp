#include <algorithm>
#include <bit>
#include <mutex>

#include "exact/engine.h"

namespace quintaro::exact::detail {

namespace {

// A deal is named by the ranks it holds in each suit (a 13-bit mask per suit);
// renaming suits permutes the masks, so a class is a multiset of four masks and
// stands for as many deals as the masks have distinct orders.
class ClassMaker {
public:
    explicit ClassMaker(std::vector<DealClass>& out) : out_(out) {
        for (unsigned m = 0; m < (1u << 13); ++m) {
            const int pop = std::popcount(m);
            if (pop <= 5) byPop_[pop].push_back(m);
        }
    }

    void Make() {
        static constexpr std::array<std::array<int, 4>, 6> kParts{
            {{5, 0, 0, 0}, {4, 1, 0, 0}, {3, 2, 0, 0}, {3, 1, 1, 0}, {2, 2, 1, 0}, {2, 1, 1, 1}}};
        for (const auto& parts : kParts) Choose(parts, 0);
    }

private:
    void Choose(const std::array<int, 4>& parts, int suit) {
        if (suit == 4) {
            Emit();
            return;
        }
        for (unsigned m : byPop_[parts[suit]]) {
            // Suits with equally many cards take their masks in falling order.
            if (suit > 0 && parts[suit] == parts[suit - 1] && m > masks_[suit - 1]) continue;
            masks_[suit] = m;
            Choose(parts, suit + 1);
        }
    }

    void Emit() {
        DealClass d{};
        int n = 0;
        for (int suit = 0; suit < 4; ++suit)
            for (int r = 0; r < 13; ++r)
                if (masks_[suit] >> r & 1) d.cards[n++] = static_cast<std::uint8_t>(r * 4 + suit);
        std::sort(d.cards.begin(), d.cards.end());
        std::array<unsigned, 4> m = masks_;
        std::sort(m.begin(), m.end());
        int weight = 24;
        for (int i = 0, run = 1; i < 4; ++i, ++run) {
            if (i + 1 < 4 && m[i + 1] == m[i]) continue;
            for (int f = 2; f <= run; ++f) weight /= f;
            run = 0;
        }
        d.weight = static_cast<std::uint8_t>(weight);
        out_.push_back(d);
    }

    std::vector<DealClass>& out_;
    std::array<std::vector<unsigned>, 6> byPop_;
    std::array<unsigned, 4> masks_{};
};

} // namespace

const std::vector<DealClass>& DealClasses() {
    static std::once_flag once;
    static std::vector<DealClass> classes;
    std::call_once(once, [] {
        classes.reserve(134'459);
        ClassMaker(classes).Make();
    });
    return classes;
}

} // namespace quintaro::exact::detail
