#include "hands/hand_family.h"

namespace marvix {

using S = ClockSettings;

// clang-format off
const std::array<HandSpec, kHandCount> kHands = {{
    {"Hour", &S::DispH, &S::AHS, &S::HWT, &S::HX, &S::HY, &S::HHandStyle, &S::HandE, &S::CHourStr, 12, 3, false},
    {"Min", &S::DispM, &S::AMS, &S::MWT, &S::MX, &S::MY, &S::MHandStyle, &S::HandE2, &S::CMinStr, 60, 15, false},
    {"Sec", &S::DispS, &S::ASS, &S::SWT, &S::SX, &S::SY, &S::SHandStyle, &S::HandE3, &S::CSecStr, 60, 15, true},
    {"Dat", &S::DispDate, &S::ADtS, &S::DtWT, &S::DDtX, &S::DDtY, &S::DateHandStyle, &S::HandDt, &S::CDateStr, 31, 8, false},
    {"Day", &S::DispDay, &S::ADyS, &S::DyWT, &S::DyX, &S::DyY, &S::DayHandStyle, &S::HandDy, &S::CDayStr, 7, 2, false},
    {"Mon", &S::DispMonth, &S::AMnS, &S::MnWT, &S::MnX, &S::MnY, &S::MonthHandStyle, &S::HandMn, &S::CMonthStr, 12, 3, false},
    {"Int1", &S::DispInternet1, &S::AInternet1, &S::Internet1WT, &S::Internet1X, &S::Internet1Y, &S::Internet1HandStyle, &S::HandInternet1, &S::CInternet1Str, 1000, 250, false},
    {"Int2", &S::DispInternet2, &S::AInternet2, &S::Internet2WT, &S::Internet2X, &S::Internet2Y, &S::Internet2HandStyle, &S::HandInternet2, &S::CInternet2Str, 1000, 250, true},
}};
// clang-format on

Dial DialOf(const ClockSettings& s, Hand hand) {
    const HandSpec& spec = kHands[static_cast<size_t>(hand)];
    if (hand == Hand::Hour && s.HourMil) return {24, 6};
    return {double(spec.units), double(spec.cornerOffset)};
}

}  // namespace marvix
