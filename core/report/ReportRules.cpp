#include "report/ReportRules.h"

namespace velmora {

namespace {

using enum RuleBody;

constexpr int kAL = 0, kA3 = 2, kA4 = 3, kA5 = 4, kA6 = 5, kA7 = 6, kA9 = 8, kA10 = 9, kA11 = 10,
              kA12 = 11;
constexpr int kLeo = 4, kSagittarius = 8;

template <class... Bodies>
constexpr SubjectSet All(Bodies... bodies) {
    return ((SubjectSet{1} << static_cast<int>(bodies)) | ...);
}
constexpr SubjectSet ArudhaOf(int arudha) { return SubjectSet{1} << (kArudhaBit + arudha); }

constexpr ChartPoint Arudha(int arudha) {
    return {ChartPoint::Arudha, static_cast<std::uint8_t>(arudha)};
}
constexpr ChartPoint BodyPoint(RuleBody body) {
    return {ChartPoint::Body, static_cast<std::uint8_t>(body)};
}
constexpr ChartPoint Sign(int sign) { return {ChartPoint::FixedSign, static_cast<std::uint8_t>(sign)}; }

// `subjects` stand in the n-th sign from `from`.
constexpr Placement Nth(SubjectSet subjects, int nth, ChartPoint from) {
    return {subjects, false, static_cast<std::uint8_t>(nth), from};
}
constexpr Placement InSignOf(SubjectSet subjects, ChartPoint from) { return Nth(subjects, 1, from); }
constexpr Placement AnyInSignOf(SubjectSet subjects, ChartPoint from) {
    return {subjects, true, 1, from};
}

constexpr ReportRule Rule(int section, int number, std::array<Placement, 3> when,
                          std::string_view heading, std::string_view sentence,
                          std::string_view second, RuleFormat format) {
    ReportRule rule;
    rule.section = static_cast<std::uint8_t>(section);
    rule.number = static_cast<std::uint8_t>(number);
    rule.when = when;
    rule.heading = heading;
    rule.sentences = {sentence, second};
    rule.format = format;
    return rule;
}

// Heading black, sentence dark red.
constexpr ReportRule Black(int section, int number, std::array<Placement, 3> when,
                           std::string_view heading, std::string_view sentence) {
    return Rule(section, number, when, heading, sentence, {}, RuleFormat::BlackHeading);
}
// Heading dark red, sentences plain.
constexpr ReportRule Red(int number, Placement when, std::string_view heading,
                         std::string_view sentence, std::string_view second = {}) {
    return Rule(kAL, number, {when}, heading, sentence, second, RuleFormat::RedHeading);
}
// A benefic in the Arudha Lagna: the sentence is its planet description.
constexpr ReportRule Described(int number, RuleBody body, std::string_view heading,
                               RuleFormat format) {
    ReportRule rule = Rule(kAL, number, {InSignOf(All(body), Arudha(kAL))}, heading, {}, {}, format);
    rule.describedBody = static_cast<std::int8_t>(body);
    return rule;
}

constexpr std::string_view kDashaHealth =
    "You may suffer from health problems during the dasha of this planet.";
constexpr std::string_view kRiches = "You will be blessed with riches and good luck.";
constexpr std::string_view kCourage = "This will make you courageous and financially successful.";
constexpr std::string_view kTimid = "This will make you timid and restrained.";
constexpr std::string_view kRichIllegally =
    "This will make you rich but the money may or may not come from legal sources.";
constexpr std::string_view kRichLegally =
    "This will make you rich and the money will come from legal sources";
constexpr std::string_view kStomach =
    "You will have health ailments related to stomach or be affected by fire.";
constexpr std::string_view kBrotherTrouble = "Your brother may be in trouble.";
constexpr std::string_view kGoodWithMother = "You will share a good relationship with your mother.";
constexpr std::string_view kGoodWithFather = "You will share a good relationship with your father.";
constexpr std::string_view kBadWithMother = "You will share a bad relationship with your mother.";
constexpr std::string_view kSomeLosses = "You may have some losses";
constexpr std::string_view kAimlessSon =
    "Your son will be aimless in life. Your daughter may be unhappy";
constexpr std::string_view kLungs = "You may suffer from tuberculosis or some lung disease.";
constexpr std::string_view kLineage =
    "Your father's lineage will prosper while your mother's will vanish.";
constexpr std::string_view kInsecure =
    "You may be financially insecure. You may have marital problems.";
constexpr std::string_view kDental = "You may have dental problems";
constexpr std::string_view kMaleChild = "You may have a male child.";
constexpr std::string_view kInLaws =
    "You may have some problems from your mother-in-law or father-in-law.";

constexpr ChartPoint AL = Arudha(kAL);
constexpr ChartPoint A12 = Arudha(kA12);

}  // namespace

constexpr std::array<ReportRule, kReportRuleCount> kReportRules = {
    // AL: the benefics in the Arudha Lagna.
    Described(1, Moon,
              "Moon (Benefic) present in your Arudha Lagna contributes towards your wellbeing",
              RuleFormat::BlackHeading),
    Described(2, Mercury,
              "Mercury (Benefic) present in your Arudha Lagna contributes towards your wellbeing",
              RuleFormat::RedHeading),
    Described(3, Jupiter,
              "Jupiter (Benefic) present in your Arudha Lagna contributes towards your wellbeing",
              RuleFormat::RedHeading),
    Described(4, Venus,
              "Venus (Benefic) present in your Arudha Lagna contributes towards your wellbeing",
              RuleFormat::RedHeading),
    // AL: malefics in the 2nd and 8th.
    Red(5, Nth(All(Rahu), 2, AL), "Rahu (Malefic) present in 2nd House From Arudha Lagna", kDashaHealth),
    Red(6, Nth(All(Ketu), 2, AL), "Ketu (Malefic) present in 2nd House From Arudha Lagna", kDashaHealth),
    Red(7, Nth(All(Sun), 2, AL), "Sun (Malefic) present in 2nd House From Arudha Lagna", kDashaHealth),
    Red(8, Nth(All(Saturn), 2, AL), "Saturn (Malefic) present in 2nd House From Arudha Lagna",
        kDashaHealth, "your reputation my be hurt because of your lying nature."),
    Red(9, Nth(All(Mars), 2, AL), "Mars (Malefic) present in 2nd House From Arudha Lagna",
        kDashaHealth, "your reputation my be hurt because of a sexual scandal."),
    Red(10, Nth(All(Rahu), 8, AL), "Rahu (Malefic) present in 8th House From Arudha Lagna", kDashaHealth),
    Red(11, Nth(All(Ketu), 8, AL), "Ketu (Malefic) present in 8th House From Arudha Lagna", kDashaHealth),
    Red(12, Nth(All(Sun), 8, AL), "Sun (Malefic) present in 8th House From Arudha Lagna", kDashaHealth),
    Red(13, Nth(All(Saturn), 8, AL), "Saturn (Malefic) present in 8th House From Arudha Lagna", kDashaHealth),
    Red(14, Nth(All(Mars), 8, AL), "Mars (Malefic) present in 8th House From Arudha Lagna", kDashaHealth),
    // AL: benefics in the 2nd and 8th.
    Red(15, Nth(All(Moon), 2, AL), "Moon (Benefic) present in 2nd House From Arudha Lagna", kRiches,
        "you may become rich."),
    Red(16, Nth(All(Mercury), 2, AL), "Mercury (Benefic) present in 2nd House From Arudha Lagna", kRiches,
        "you will be a king and will be the leader of a country."),
    Red(17, Nth(All(Jupiter), 2, AL), "Jupiter (Benefic) present in 2nd House From Arudha Lagna", kRiches,
        "you will attain power and prosperity."),
    Red(18, Nth(All(Venus), 2, AL), "Venus (Benefic) present in 2nd House From Arudha Lagna", kRiches,
        "you will be a poet or scholar with good oratory skills."),
    Red(19, Nth(All(Moon), 8, AL), "Moon (Benefic) present in 8th House From Arudha Lagna", kRiches),
    Red(20, Nth(All(Mercury), 8, AL), "Mercury (Benefic) present in 8th House From Arudha Lagna", kRiches),
    Red(21, Nth(All(Jupiter), 8, AL), "Jupiter (Benefic) present in 8th House From Arudha Lagna", kRiches),
    Red(22, Nth(All(Venus), 8, AL), "Venus (Benefic) present in 8th House From Arudha Lagna", kRiches),
    // AL: malefics in the 3rd and 6th.
    Red(23, Nth(All(Rahu), 3, AL), "Rahu (Malefic) present in 3rd House From Arudha Lagna", kCourage),
    Red(24, Nth(All(Ketu), 3, AL), "Ketu (Malefic) present in 3rd House From Arudha Lagna", kCourage),
    Red(25, Nth(All(Sun), 3, AL), "Sun (Malefic) present in 3rd House From Arudha Lagna", kCourage),
    Red(26, Nth(All(Saturn), 3, AL), "Saturn (Malefic) present in 3rd House From Arudha Lagna", kCourage),
    Red(27, Nth(All(Mars), 3, AL), "Mars (Malefic) present in 3rd House From Arudha Lagna", kCourage),
    Red(28, Nth(All(Rahu), 6, AL), "Rahu (Malefic) present in 6th House From Arudha Lagna", kCourage),
    Red(29, Nth(All(Ketu), 6, AL), "Ketu (Malefic) present in 6th House From Arudha Lagna", kCourage),
    Red(30, Nth(All(Sun), 6, AL), "Sun (Malefic) present in 6th House From Arudha Lagna", kCourage),
    Red(31, Nth(All(Saturn), 6, AL), "Saturn (Malefic) present in 6th House From Arudha Lagna", kCourage),
    Red(32, Nth(All(Mars), 6, AL), "Mars (Malefic) present in 6th House From Arudha Lagna", kCourage),
    // AL: benefics in the 3rd and 6th.
    Red(33, Nth(All(Moon), 3, AL), "Moon (Benefic) present in 3rd House From Arudha Lagna", kTimid),
    Red(34, Nth(All(Mercury), 3, AL), "Mercury (Benefic) present in 3rd House From Arudha Lagna", kTimid),
    Red(35, Nth(All(Jupiter), 3, AL), "Jupiter (Benefic) present in 3rd House From Arudha Lagna", kTimid),
    Red(36, Nth(All(Venus), 3, AL), "Venus (Benefic) present in 3rd House From Arudha Lagna", kTimid),
    Red(37, Nth(All(Moon), 6, AL), "Moon (Benefic) present in 6th House From Arudha Lagna", kTimid),
    Red(38, Nth(All(Mercury), 6, AL), "Mercury (Benefic) present in 6th House From Arudha Lagna", kTimid),
    Red(39, Nth(All(Jupiter), 6, AL), "Jupiter (Benefic) present in 6th House From Arudha Lagna", kTimid),
    Red(40, Nth(All(Venus), 6, AL), "Venus (Benefic) present in 6th House From Arudha Lagna", kTimid),
    // AL: the 11th and the 7th.
    Red(41, Nth(All(Rahu), 11, AL), "Rahu (Malefic) present in 11th House From Arudha Lagna", kRichIllegally),
    Red(42, Nth(All(Ketu), 11, AL), "Ketu (Malefic) present in 11th House From Arudha Lagna", kRichIllegally),
    Red(43, Nth(All(Sun), 11, AL), "Sun (Malefic) present in 11th House From Arudha Lagna", kRichIllegally),
    Red(44, Nth(All(Saturn), 11, AL), "Saturn (Malefic) present in 11th House From Arudha Lagna", kRichIllegally),
    Red(45, Nth(All(Mars), 11, AL), "Mars (Malefic) present in 11th House From Arudha Lagna", kRichIllegally),
    Red(46, Nth(All(Moon), 11, AL), "Moon (Benefic) present in 11th House From Arudha Lagna", kRichLegally),
    Red(47, Nth(All(Mercury), 11, AL), "Mercury (Benefic) present in 11th House From Arudha Lagna", kRichLegally),
    Red(48, Nth(All(Jupiter), 11, AL), "Jupiter (Benefic) present in 11th House From Arudha Lagna", kRichLegally),
    Red(49, Nth(All(Venus), 11, AL), "Venus (Benefic) present in 11th House From Arudha Lagna", kRichLegally),
    Red(50, Nth(All(Rahu), 7, AL), "Rahu (Malefic) present in 7th House From Arudha Lagna", kStomach),
    Red(51, Nth(All(Ketu), 7, AL), "Ketu (Malefic) present in 7th House From Arudha Lagna", kStomach),

    // A3.
    Black(kA3, 1, {InSignOf(All(Rahu), Arudha(kA3))}, "Rahu (Malefic) present in A3 Lagna",
          "You may have sisters but no brothers."),
    Black(kA3, 2, {InSignOf(All(Ketu), Arudha(kA3))}, "Ketu (Malefic) present in A3 Lagna",
          "You may have no happiness from father or brothers may cause problems."),
    Black(kA3, 3, {InSignOf(All(Sun), Arudha(kA3))}, "Sun (Malefic) present in A3 Lagna", kBrotherTrouble),
    Black(kA3, 4, {InSignOf(All(Saturn), Arudha(kA3))}, "Saturn (Malefic) present in A3 Lagna", kBrotherTrouble),
    Black(kA3, 5, {InSignOf(All(Mars), Arudha(kA3))}, "Mars (Malefic) present in A3 Lagna", kBrotherTrouble),
    Black(kA3, 6, {InSignOf(All(Venus), Arudha(kA3))}, "Venus (Benefic) present in A3 Lagna",
          "You may have one living younger brother."),

    // A4.
    Black(kA4, 1, {Nth(ArudhaOf(kA4), 3, AL)}, "A4 Lagna is present in 3rd house from Arudha Lagna",
          kGoodWithMother),
    Black(kA4, 2, {Nth(ArudhaOf(kA4), 11, AL)}, "A4 Lagna is present in 11th house from Arudha Lagna",
          kGoodWithMother),
    Black(kA4, 3, {Nth(ArudhaOf(kA4), 6, AL)}, "A4 Lagna is present in 6th house from Arudha Lagna",
          kBadWithMother),
    Black(kA4, 4, {Nth(ArudhaOf(kA4), 8, AL)}, "A4 Lagna is present in 8th house from Arudha Lagna",
          "Your mother may have been born in a poor family."),
    Black(kA4, 5, {Nth(ArudhaOf(kA4), 12, AL)}, "A4 Lagna is present in 12th house from Arudha Lagna",
          kSomeLosses),
    Black(kA4, 6, {InSignOf(All(Venus), Arudha(kA4))}, "Venus (Benefic) present in A4 Lagna",
          "You are strongly influenced by maternal relations"),
    Black(kA4, 7, {InSignOf(All(Jupiter), Arudha(kA4))}, "Jupiter (Benefic) present in A4 Lagna",
          "You are strongly influenced by paternal relations. Your mother will be good natured and "
          "religious."),
    Black(kA4, 8, {InSignOf(All(Moon), Arudha(kA4))}, "Moon present in A4 Lagna",
          "Your mother may die early."),

    // A5.
    Black(kA5, 1, {InSignOf(All(Lagna), Arudha(kA5))}, "A5 Lagna present in Lagna",
          "You will be a true devotee of Lord Vishnu"),
    Black(kA5, 2, {Nth(All(Rahu), 5, BodyPoint(Lagna))}, "Rahu is present in 5th house from Lagna",
          kAimlessSon),
    Black(kA5, 3, {Nth(All(Saturn), 8, Arudha(kA5))}, "Saturn is present in 8th house from A5 Lagna",
          kAimlessSon),

    // A6.
    Black(kA6, 1, {InSignOf(All(Sun), Arudha(kA6))}, "Sun present in same house as A6 Lagna", kLungs),
    Black(kA6, 2, {Nth(All(Moon), 4, BodyPoint(Saturn))}, "Moon is present in 4th house from Saturn", kLungs),
    Black(kA6, 3, {InSignOf(All(Moon), Arudha(kA6))}, "Moon present in same house as A6 Lagna", kLineage),
    Black(kA6, 4, {Nth(All(Moon), 4, BodyPoint(Mars))}, "Moon is present in 4th house from Mars", kLineage),

    // A7.
    Black(kA7, 1, {Nth(ArudhaOf(kA7), 6, AL)}, "A7 Lagna is present in 6th house from Arudha Lagna",
          kInsecure),
    Black(kA7, 2, {Nth(ArudhaOf(kA7), 8, AL)}, "A7 Lagna is present in 8th house from Arudha Lagna",
          kInsecure),
    Black(kA7, 3, {Nth(ArudhaOf(kA7), 12, AL)}, "A7 Lagna is present in 12th house from Arudha Lagna",
          "You may be financially insecure. You may have marital problems"),
    Black(kA7, 4,
          {InSignOf(All(Saturn), Arudha(kA7)), InSignOf(All(Sun), Sign(kLeo)),
           AnyInSignOf(All(Rahu, Ketu, Mars), Sign(kSagittarius))},
          "A7 Lagna has Saturn, Sun in 5th house and malefic planet in 9th house",
          "You will have problems in having a child."),
    Black(kA7, 5, {InSignOf(All(Venus), Arudha(kA7))}, "Venus (Benefic) present in A7 Lagna",
          "You will have marital happiness."),

    // A9.
    Black(kA9, 1, {Nth(ArudhaOf(kA9), 3, AL)}, "A9 Lagna is present in 3rd house from Arudha Lagna",
          kGoodWithFather),
    Black(kA9, 2, {Nth(ArudhaOf(kA9), 11, AL)}, "A9 Lagna is present in 11th house from Arudha Lagna",
          kGoodWithFather),
    Black(kA9, 3, {Nth(ArudhaOf(kA9), 6, AL)}, "A9 Lagna is present in 6th house from Arudha Lagna",
          kBadWithMother),
    Black(kA9, 4, {Nth(ArudhaOf(kA9), 8, AL)}, "A9 Lagna is present in 8th house from Arudha Lagna",
          "Your father may have been born in a poor family."),
    Black(kA9, 5, {Nth(ArudhaOf(kA9), 12, AL)}, "A9 Lagna is present in 12th house from Arudha Lagna",
          kSomeLosses),
    Black(kA9, 6, {InSignOf(All(Venus), Arudha(kA9))}, "Venus (Benefic) present in A9 Lagna",
          "You are strongly influenced by maternal relations."),
    Black(kA9, 7, {InSignOf(All(Jupiter), Arudha(kA9))}, "Jupiter (Benefic) present in A9 Lagna",
          "Your father will be good natured and religious and will have a long life."),
    Black(kA9, 8, {InSignOf(All(Moon), Arudha(kA9))}, "Moon present in A9 Lagna",
          "Your father will become famous and be respected by the people."),
    Black(kA9, 9, {InSignOf(All(Lagna), Arudha(kA9))}, "Lagna present in A9 Lagna",
          "You will have good Bhagya Yoga."),
    Black(kA9, 10, {InSignOf(All(Saturn), Arudha(kA9))}, "Saturn present in A9 Lagna",
          "Your father will not give you any happiness."),
    Black(kA9, 11, {InSignOf(All(Mars), Arudha(kA9))}, "Mars present in A9 Lagna",
          "Your father may be outwardly very rude and rough but has a heart of gold."),

    // A10.
    Black(kA10, 1, {InSignOf(All(Saturn), Arudha(kA10))}, "Saturn present in A10 Lagna",
          "You will have problems and will be unhappy."),
    Black(kA10, 2, {InSignOf(All(Moon), Arudha(kA10))}, "Moon present in A10 Lagna",
          "You will become very rich."),

    // A11.
    Black(kA11, 1, {InSignOf(All(Sun), Arudha(kA11)), InSignOf(All(Sun), BodyPoint(Lagna))},
          "Sun present in same house as A11 and Lagna",
          "You will become a king or enjoy great riches and glory."),

    // A12.
    Black(kA12, 1, {Nth(All(Saturn, Rahu), 2, A12)},
          "Saturn and Rahu present in on 2nd house from Upapada Lagna",
          "You may desert your spouse. Or your wife may face death."),
    Black(kA12, 2, {Nth(All(Saturn, Rahu, Sun), 2, A12)},
          "Saturn ,Rahu and Sun present in on 2nd house from Upapada Lagna",
          "You may problems in bones  and face pain from bone related illnesses like arthritis, "
          "osteoporosis etc."),
    Black(kA12, 3, {Nth(All(Venus, Ketu), 2, A12)},
          "Venus and Ketu present in on 2nd house from Upapada Lagna",
          "You may have problems of the immune system"),
    Black(kA12, 4, {Nth(All(Mercury, Ketu), 2, A12)},
          "Mercury and Ketu present in on 2nd house from Upapada Lagna",
          "You may have weight related problems"),
    Black(kA12, 5, {Nth(All(Jupiter, Saturn), 2, A12)},
          "Jupiter and Saturn present in on 2nd house from Upapada Lagna",
          "You may have eye and ear problems"),
    Black(kA12, 6, {Nth(All(Mars, Mercury), 2, A12)},
          "Mars and Mercury present in on 2nd house from Upapada Lagna", kDental),
    Black(kA12, 7, {Nth(All(Jupiter, Rahu), 2, A12)},
          "Jupiter and Rahu present in on 2nd house from Upapada Lagna", kDental),
    Black(kA12, 8, {Nth(All(Moon), 9, A12)}, "Moon is present in on 9th house from Upapada Lagna",
          "You may have one son."),
    Black(kA12, 9, {Nth(All(Saturn, Moon, Mercury), 9, A12)},
          "Saturn , Moon and Mercury is present in on 9th house from Upapada Lagna",
          "You may not have any children."),
    Black(kA12, 10, {Nth(All(Sun, Jupiter), 9, A12)},
          "Sun and Jupiter is present in on 9th house from Upapada Lagna", kMaleChild),
    Black(kA12, 11, {Nth(All(Sun, Rahu), 9, A12)},
          "Sun and Rahu is present in on 9th house from Upapada Lagna", kMaleChild),
    Black(kA12, 12, {Nth(All(Mars, Saturn), 9, A12)},
          "Mars and Saturn is present in on 9th house from Upapada Lagna",
          "You may have a child from previous marriage or adopt a child."),
    Black(kA12, 13, {InSignOf(All(Moon), A12)}, "Moon is present in same house as  Upapada Lagna",
          kInLaws),
    Black(kA12, 14, {InSignOf(All(Sun), A12)}, "Sun is present in same house as  Upapada Lagna",
          kInLaws),
};

namespace {

// Where each section's rules begin in the table; entry 12 is the end.
constexpr std::array<std::uint8_t, kArudhaCount + 1> SectionStarts(
    const std::array<ReportRule, kReportRuleCount>& rules) {
    std::array<std::uint8_t, kArudhaCount + 1> starts{};
    std::size_t r = 0;
    for (int s = 0; s <= kArudhaCount; ++s) {
        while (r < rules.size() && rules[r].section < s) ++r;
        starts[s] = static_cast<std::uint8_t>(r);
    }
    return starts;
}

constexpr std::array<std::uint8_t, kArudhaCount + 1> kSectionStarts = SectionStarts(kReportRules);

// Every placement names only real bodies and arudhas and counts 1 … 12 signs;
// every rule has a condition, a heading and something to say; the table runs
// in section and number order.
constexpr bool WellFormed(const std::array<ReportRule, kReportRuleCount>& rules) {
    constexpr SubjectSet kValid = ((SubjectSet{1} << kBodyCount) - 1) |
                                  (((SubjectSet{1} << kArudhaCount) - 1) << kArudhaBit);
    for (std::size_t r = 0; r < rules.size(); ++r) {
        const ReportRule& rule = rules[r];
        if (rule.section >= kArudhaCount || rule.heading.empty()) return false;
        if (rule.sentences[0].empty() == (rule.describedBody < 0)) return false;
        if (r > 0) {
            const ReportRule& before = rules[r - 1];
            const bool next = rule.section == before.section ? rule.number == before.number + 1
                                                             : rule.section > before.section && rule.number == 1;
            if (!next) return false;
        } else if (rule.number != 1) {
            return false;
        }
        bool any = false;
        bool ended = false;
        for (const Placement& p : rule.when) {
            if (p.subjects == 0) {
                ended = true;
                continue;
            }
            if (ended) return false;  // the unused placements close the list
            any = true;
            if ((p.subjects & ~kValid) != 0 || p.nth < 1 || p.nth > kSignCount) return false;
            const int limit = p.from.kind == ChartPoint::Body     ? kBodyCount
                              : p.from.kind == ChartPoint::Arudha ? kArudhaCount
                                                                  : kSignCount;
            if (p.from.index >= limit) return false;
        }
        if (!any) return false;
    }
    return true;
}
static_assert(WellFormed(kReportRules));

int Modulo12(int value) {
    if (value >= 0 && value < kSignCount) return value;
    if (value >= kSignCount && value < 2 * kSignCount) return value - kSignCount;
    return ((value % kSignCount) + kSignCount) % kSignCount;
}

}  // namespace

std::span<const ReportRule> SectionRules(int section) {
    if (section < 0 || section >= kArudhaCount) return {};
    return std::span<const ReportRule>(kReportRules)
        .subspan(kSectionStarts[section], kSectionStarts[section + 1] - kSectionStarts[section]);
}

SignOccupants::SignOccupants(const ChartState& chart) {
    for (int b = 0; b < kBodyCount; ++b) {
        const int sign = Modulo12(chart.BodySigns[b]);
        signOf[ChartPoint::Body + b] = static_cast<std::int8_t>(sign);
        bySign[sign] |= SubjectSet{1} << b;
    }
    for (int a = 0; a < kArudhaCount; ++a) {
        const int sign = Modulo12(chart.ArudhaSigns[a]);
        signOf[ChartPoint::Arudha + a] = static_cast<std::int8_t>(sign);
        bySign[sign] |= SubjectSet{1} << (kArudhaBit + a);
    }
    for (int j = 0; j < kSignCount; ++j) signOf[ChartPoint::FixedSign + j] = static_cast<std::int8_t>(j);
}

bool PlacementHolds(const Placement& placement, const ChartState& chart) {
    return PlacementHolds(placement, SignOccupants(chart));
}

bool RuleHolds(const ReportRule& rule, const ChartState& chart) { return RuleHolds(rule, SignOccupants(chart)); }

}  // namespace velmora
